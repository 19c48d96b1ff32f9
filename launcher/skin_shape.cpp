#include "launcher/skin_shape.h"

#include <cstdlib>
#include <vector>

#include "base/picture_limits.h"
#include "base/twips.h"
#include "win32/display_dpi.h"
#include "win32/picture.h"
#include "win32/region_builder.h"
#include "win32/system_file_probe.h"
#include "win32/twips.h"

namespace discfront {
namespace {

// Pixels as the bitmap bits hold them (0x00RRGGBB), where a COLORREF is 0x00BBGGRR.
constexpr std::uint32_t kKeyPixel = (GetRValue(kSkinKey) << 16) | (GetGValue(kSkinKey) << 8) | GetBValue(kSkinKey);

}  // namespace

SIZE PicturePixels(const PictureObject& picture) {
  const win32::DpiResolution screen = win32::DpiResolution::Of(win32::WindowDpi(nullptr));
  return {HimetricToPixels(picture.WidthHimetric(), screen.TwipsPerPixelX()),
          HimetricToPixels(picture.HeightHimetric(), screen.TwipsPerPixelY())};
}

int SkinSetFor(const DiscFolder& disc, int dpi) {
  std::vector<int> present;
  const win32::SystemFileProbe files;
  for (const int percent : kSkinSetPercents) {
    bool whole = true;
    for (const Skin skin : DiscFolder::kSkins) {
      whole = whole && (percent == 100 || files.Probe(disc.SkinFile(skin, percent)) == PathKind::kFile);
    }
    if (whole) present.push_back(percent);
  }
  return ChooseSkinSet(present, dpi);
}

ScaledSkin LoadScaledSkin(const std::wstring& file, int percent, int dpi) {
  PictureRef loaded = win32::LoadPictureFile(file);
  BITMAP own{};
  const HBITMAP bitmap = win32::BitmapOf(*loaded);
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof own, &own) == 0) {
    return {loaded, PicturePixels(*loaded), std::nullopt};  // an icon or metafile, at its own size
  }
  own.bmHeight = std::abs(own.bmHeight);
  const int width = ScaledPixels(own.bmWidth, percent, dpi);
  const int height = ScaledPixels(own.bmHeight, percent, dpi);
  // A set drawn for this very scale is shown as it was read, its pixels read in place.
  if (width == own.bmWidth && height == own.bmHeight) return {win32::ShownAtDpi(loaded, dpi), {width, height}, {}};
  std::optional<PixelImage> pixels = win32::PixelsOfPicture(*loaded, kSkinKey, dpi);
  PixelImage scaled = pixels ? ResampleSkin(*pixels, width, height, kKeyPixel) : PixelImage{};
  PictureRef picture = pixels ? win32::MakePixelPicture(scaled, dpi) : nullptr;
  if (!picture) return {win32::ShownAtDpi(loaded, dpi), {own.bmWidth, own.bmHeight}, {}};
  return {std::move(picture), {width, height}, std::move(scaled)};
}

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
