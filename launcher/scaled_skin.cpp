#include "launcher/scaled_skin.h"

#include "launcher/picture_pixels.h"
#include "win32/picture.h"

namespace discfront {
namespace {

// Pixels as the bitmap bits hold them (0x00RRGGBB), where a COLORREF is 0x00BBGGRR.
constexpr std::uint32_t kKeyPixel = (GetRValue(kSkinKey) << 16) | (GetGValue(kSkinKey) << 8) | GetBValue(kSkinKey);

std::optional<SIZE> BitmapPixels(const PictureObject& skin) {
  BITMAP own{};
  const HBITMAP bitmap = win32::BitmapOf(skin);
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof own, &own) == 0) return std::nullopt;
  return SIZE{own.bmWidth, own.bmHeight < 0 ? -own.bmHeight : own.bmHeight};
}

}  // namespace

SetPicture SetPictureOf(const PictureObject& skin, int percent) {
  if (const std::optional<SIZE> own = BitmapPixels(skin)) return {own->cx, own->cy, percent};
  // An icon or metafile is drawn for the window's resolution whichever set holds it.
  const SIZE at1x = PicturePixels(skin, kBaseDpi);
  return {at1x.cx, at1x.cy, 100};
}

ScaledSkin ScaleSkin(PictureRef skin, int percent, int dpi) {
  const std::optional<SIZE> own = BitmapPixels(*skin);
  if (!own) {
    const SIZE size = PicturePixels(*skin, dpi);
    std::optional<PixelImage> drawn = win32::PixelsDrawnAt(*skin, kSkinKey, size.cx, size.cy);
    PictureRef picture = drawn ? win32::MakePixelPicture(*drawn, dpi) : nullptr;
    if (!picture) return {std::move(skin), size, std::nullopt};
    return {std::move(picture), size, std::move(drawn)};
  }
  const SIZE size{ScaledPixels(own->cx, percent, dpi), ScaledPixels(own->cy, percent, dpi)};
  // A set drawn for this very scale is shown as it was read, its pixels read in place.
  if (size.cx == own->cx && size.cy == own->cy) return {win32::ShownAtDpi(std::move(skin), dpi), size, {}};
  std::optional<PixelImage> pixels =
      FitsAtDpi({own->cx, own->cy, percent}, dpi) ? win32::PixelsOfPicture(*skin, kSkinKey, dpi) : std::nullopt;
  PixelImage scaled = pixels ? ResampleSkin(*pixels, size.cx, size.cy, kKeyPixel) : PixelImage{};
  pixels.reset();
  PictureRef picture = scaled.width > 0 ? win32::MakePixelPicture(scaled, dpi) : nullptr;
  if (!picture) return {win32::ShownAtDpi(std::move(skin), dpi), *own, {}};
  return {std::move(picture), size, std::move(scaled)};
}

ScaledSkin LoadScaledSkin(const std::wstring& file, int percent, int dpi) {
  return ScaleSkin(win32::LoadPictureFile(file), percent, dpi);
}

}  // namespace discfront
