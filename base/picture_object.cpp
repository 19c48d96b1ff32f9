// The empty picture: no handle, no size, no file image.
#include "base/picture_object.h"

namespace discfront {
namespace {

class EmptyPicture final : public PictureObject {
 public:
  PictureKind Kind() const override { return PictureKind::kEmpty; }
  std::uintptr_t Handle() const override { return 0; }
  std::int32_t WidthHimetric() const override { return 0; }
  std::int32_t HeightHimetric() const override { return 0; }
  const std::string& Bytes() const override { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace

PictureRef MakeEmptyPicture() { return std::make_shared<EmptyPicture>(); }

}  // namespace discfront
