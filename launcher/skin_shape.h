// The main window's skins at its resolution and its shape: the set of skins that
// suits the scale, each resampled to its size there, the background as the window's
// picture and its outline, with every magenta pixel cut away, as the window's shape.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "base/display_scale.h"
#include "base/picture_object.h"
#include "disc/disc_folder.h"

namespace discfront {

inline constexpr COLORREF kSkinKey = DiscFolder::kSkinKey;

// A picture's size in pixels at the screen's resolution.
SIZE PicturePixels(const PictureObject& picture);

// The skin set (its scale in percent) the launcher shows at `dpi`: skin\ itself unless
// a set for another scale has all four files and suits the scale better.
int SkinSetFor(const DiscFolder& disc, int dpi);

// A skin of the set at `percent`, resampled with its key colour kept to the size it
// has at `dpi` (a set of that very scale as it is), as a picture shown pixel for pixel
// there. A file that is missing, unreadable or no picture throws NumberedError.
struct ScaledSkin {
  PictureRef picture;
  SIZE size{};                        // in pixels at the resolution
  std::optional<PixelImage> pixels;  // the resampled pixels, when it was resampled
};
ScaledSkin LoadScaledSkin(const std::wstring& file, int percent, int dpi);

// Sizes the window's outer rectangle to the background and cuts the window to its outline.
void ApplySkinShape(HWND window, const ScaledSkin& back);

}  // namespace discfront
