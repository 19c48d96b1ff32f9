// The disc image's file through the system's own file calls (the Linux build writes
// through disc/filesystem_image_file.h), and whether an image would land in its folder.
#pragma once

#include <string>

#include "disc/image_writer.h"
#include "handles.h"

namespace win32 {

class SystemImageFile final : public discfront::ImageFile {
 public:
  explicit SystemImageFile(const std::wstring& target);
  std::error_code Create() override;
  std::error_code Write(const char* bytes, std::size_t size) override;
  std::error_code Close() override;
  std::error_code Rename() override;
  void Remove() override;

 private:
  std::wstring target_;     // as the file calls take it
  std::wstring temporary_;  // IMAGE.partialN beside the target
  UniqueHandle file_;
};

// Whether target would lie inside folder, or be it (an image of a folder must not be
// written into the folder: it would take itself in the next time). Names are compared
// without regard to case, as the file system finds them.
bool InsideFolder(const std::wstring& target, const std::wstring& folder);

}  // namespace win32
