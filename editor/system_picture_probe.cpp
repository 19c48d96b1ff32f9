#include "system_picture_probe.h"

#include "base/display_scale.h"
#include "base/numbered_error.h"
#include "base/skin_resample.h"
#include "win32/picture.h"
#include "win32/region_builder.h"

namespace discfront::editor {
namespace {

// The picture as the launcher loads it, with the same caps; null when it cannot.
win32::PictureRef Load(const std::wstring& path, PictureRead& read) {
  try {
    win32::PictureRef picture = win32::LoadPictureFile(path);
    read = win32::BitmapOf(*picture) != nullptr ? PictureRead::kBitmap : PictureRead::kOtherPicture;
    return picture;
  } catch (const NumberedError& error) {
    switch (error.Number()) {
      case ErrorNumber::kFileNotFound: read = PictureRead::kMissing; break;
      case ErrorNumber::kOutOfMemory:
      case ErrorNumber::kInvalidPicture: read = PictureRead::kTooLarge; break;
      default: read = PictureRead::kUnreadable; break;
    }
    return nullptr;
  }
}

}  // namespace

PictureRead SystemPictureProbe::Read(const std::wstring& path) const {
  PictureRead read = PictureRead::kUnreadable;
  Load(path, read);
  return read;
}

std::optional<std::size_t> SystemPictureProbe::OutlineRectangles(const std::wstring& path, int percent,
                                                                  int dpi) const {
  PictureRead read = PictureRead::kUnreadable;
  const win32::PictureRef picture = Load(path, read);
  const HBITMAP bitmap = picture ? win32::BitmapOf(*picture) : nullptr;
  BITMAP own{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof own, &own) == 0) return std::nullopt;
  own.bmHeight = own.bmHeight < 0 ? -own.bmHeight : own.bmHeight;
  const int width = ScaledPixels(own.bmWidth, percent, dpi), height = ScaledPixels(own.bmHeight, percent, dpi);
  std::optional<win32::Outline> outline;
  if (width == own.bmWidth && height == own.bmHeight) {
    outline = win32::OutlineOfBitmap(bitmap, DiscFolder::kSkinKey);
  } else if (FitsAtDpi({own.bmWidth, own.bmHeight, percent}, dpi)) {
    // Resampled as the launcher resamples it, the key pixel written as the bits hold it.
    constexpr std::uint32_t kKeyPixel = 0xFF00FF;
    const std::optional<PixelImage> pixels = win32::PixelsOfPicture(*picture, DiscFolder::kSkinKey, dpi);
    if (!pixels) return std::nullopt;
    const PixelImage scaled = ResampleSkin(*pixels, width, height, kKeyPixel);
    outline = win32::OutlineOfPixels(reinterpret_cast<const DWORD*>(scaled.pixels.data()), scaled.width,
                                     scaled.height, DiscFolder::kSkinKey);
  }
  if (!outline) return std::nullopt;
  return outline->rects.size();
}

std::optional<PictureSize> SystemPictureProbe::BitmapSize(const std::wstring& path) const {
  PictureRead read = PictureRead::kUnreadable;
  const win32::PictureRef picture = Load(path, read);
  BITMAP info{};
  const HBITMAP bitmap = picture ? win32::BitmapOf(*picture) : nullptr;
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return std::nullopt;
  return PictureSize{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

}  // namespace discfront::editor
