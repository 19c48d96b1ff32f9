#include "system_picture_probe.h"

#include "win32/file_io.h"
#include "win32/picture.h"

namespace discfront::editor {

PictureRead SystemPictureProbe::Read(const std::wstring& path) const {
  std::string bytes;
  const ErrorNumber error = win32::ReadWholeFile(path, bytes);
  if (error == ErrorNumber::kFileNotFound) return PictureRead::kMissing;
  if (error != ErrorNumber::kNone) return PictureRead::kUnreadable;
  const auto picture = win32::DecodePicture(bytes);
  if (!picture) return PictureRead::kUnreadable;
  return win32::BitmapOf(*picture) != nullptr ? PictureRead::kBitmap : PictureRead::kOtherPicture;
}

}  // namespace discfront::editor
