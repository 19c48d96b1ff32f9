#include "launcher/skin_shape.h"

#include "base/picture_limits.h"
#include "base/twips.h"
#include "win32/picture.h"
#include "win32/region_builder.h"
#include "win32/twips.h"

namespace discfront {

SIZE PicturePixels(const PictureObject& picture) {
  const win32::ScreenResolution screen = win32::ScreenResolution::OfScreen();
  return {HimetricToPixels(picture.WidthHimetric(), screen.TwipsPerPixelX()),
          HimetricToPixels(picture.HeightHimetric(), screen.TwipsPerPixelY())};
}

PictureRef ApplySkinShape(HWND window, const std::wstring& backFile) {
  PictureRef back = win32::LoadPictureFile(backFile);
  const SIZE size = PicturePixels(*back);
  SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CutToOutline(window, *back);
  return back;
}

void CutToOutline(HWND window, const PictureObject& back) {
  // Only a bitmap has pixels to read; an icon or metafile skin leaves the window
  // rectangular, as a region that cannot be built does. So does an outline with
  // nothing inside (the window could be neither seen nor clicked) or one of more
  // rectangles than the display takes (the program would die of it).
  if (HBITMAP bitmap = win32::BitmapOf(back)) {
    const std::optional<win32::Outline> outline = win32::OutlineOfBitmap(bitmap, kSkinKey);
    if (outline && FitOfOutline(outline->rects.size()) == OutlineFit::kUsable) {
      win32::UniqueRegion region = win32::RegionOfOutline(*outline);
      // From here on the system owns the region.
      if (region && SetWindowRgn(window, region.get(), TRUE)) region.release();
    }
  }
}

}  // namespace discfront
