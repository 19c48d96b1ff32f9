#include "launcher/skin_shape.h"

#include <optional>

#include "base/picture_limits.h"
#include "win32/picture.h"
#include "win32/region_builder.h"

namespace discfront {

void ApplySkinShape(HWND window, const ScaledSkin& back) {
  SetWindowPos(window, nullptr, 0, 0, back.size.cx, back.size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A skin whose pixels cannot be read (no bitmap) leaves the window rectangular, as a
  // region that cannot be built does. So does an outline with nothing inside (the window
  // could be neither seen nor clicked) or one of more rectangles than the display takes
  // (the program would die of it).
  std::optional<win32::Outline> outline;
  if (back.pixels) {
    outline = win32::OutlineOfPixels(reinterpret_cast<const DWORD*>(back.pixels->pixels.data()), back.pixels->width,
                                     back.pixels->height, kSkinKey);
  } else if (HBITMAP bitmap = win32::BitmapOf(*back.picture)) {
    outline = win32::OutlineOfBitmap(bitmap, kSkinKey);
  }
  if (!outline || FitOfOutline(outline->rects.size()) != OutlineFit::kUsable) {
    SetWindowRgn(window, nullptr, TRUE);
    return;
  }
  win32::UniqueRegion region = win32::RegionOfOutline(*outline);
  // From here on the system owns the region.
  if (region && SetWindowRgn(window, region.get(), TRUE)) region.release();
}

}  // namespace discfront
