#include "launcher/picture_pixels.h"

#include <optional>

#include "base/display_scale.h"
#include "base/twips.h"
#include "win32/picture.h"

namespace discfront {
namespace {

std::optional<SIZE> BitmapPixels(HBITMAP bitmap, bool withMask) {
  BITMAP own{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof own, &own) == 0) return std::nullopt;
  const int height = own.bmHeight < 0 ? -own.bmHeight : own.bmHeight;
  return SIZE{own.bmWidth, withMask ? height / 2 : height};  // a mask alone holds both halves
}

// A bitmap's or icon's own pixels.
std::optional<SIZE> OwnPixels(const PictureObject& picture) {
  if (const HBITMAP bitmap = win32::BitmapOf(picture)) return BitmapPixels(bitmap, false);
  ICONINFO icon{};
  if (picture.Kind() != PictureKind::kIcon || !GetIconInfo(reinterpret_cast<HICON>(picture.Handle()), &icon)) {
    return std::nullopt;
  }
  const std::optional<SIZE> size = icon.hbmColor ? BitmapPixels(icon.hbmColor, false) : BitmapPixels(icon.hbmMask, true);
  if (icon.hbmColor) DeleteObject(icon.hbmColor);
  if (icon.hbmMask) DeleteObject(icon.hbmMask);
  return size;
}

}  // namespace

SIZE PicturePixels(const PictureObject& picture, int dpi) {
  if (const std::optional<SIZE> own = OwnPixels(picture)) {
    return {ScaledPixels(own->cx, 100, dpi), ScaledPixels(own->cy, 100, dpi)};
  }
  const double perPixel = TwipsPerPixel(dpi);
  return {HimetricToPixels(picture.WidthHimetric(), perPixel), HimetricToPixels(picture.HeightHimetric(), perPixel)};
}

}  // namespace discfront
