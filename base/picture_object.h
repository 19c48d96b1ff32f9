// The picture objects that the button's picture properties, the launcher's preview
// and the editor refer to: shared and reference-counted, with a handle (0 for an
// empty picture) and a size in HIMETRIC (0.01 mm). Window-free, so every layer above
// can hold pictures; the system's decoders that make them live in win32/.
//
// A property holding no object at all (a null PictureRef, written "none") is not the
// same as one holding an empty picture: drawing falls back to another picture only
// for none.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace discfront {

enum class PictureKind { kEmpty, kBitmap, kIcon, kMetafile };

class PictureObject {
 public:
  virtual ~PictureObject() = default;
  virtual PictureKind Kind() const = 0;
  virtual std::uintptr_t Handle() const = 0;
  virtual std::int32_t WidthHimetric() const = 0;
  virtual std::int32_t HeightHimetric() const = 0;
  // The file image the picture was loaded from, kept so that a saved form carries
  // the image itself; empty for an empty picture.
  virtual const std::string& Bytes() const = 0;
};

using PictureRef = std::shared_ptr<PictureObject>;

// A new empty picture (handle 0, size 0 x 0).
PictureRef MakeEmptyPicture();

// Turns a file image back into a picture object; returns null when the bytes are
// not a picture it can read. Supplied by the windowing side (or by tests).
using PictureDecoder = std::function<PictureRef(const std::string& bytes)>;

}  // namespace discfront
