// A skin at the launcher window's resolution: resampled from its set's pixels with the
// key colour kept, so that the picture shown and the outline cut from it agree.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "base/display_scale.h"
#include "base/picture_object.h"
#include "base/skin_resample.h"
#include "disc/disc_folder.h"

namespace discfront {

inline constexpr COLORREF kSkinKey = DiscFolder::kSkinKey;

struct ScaledSkin {
  PictureRef picture;
  SIZE size{};                       // in pixels at the resolution
  std::optional<PixelImage> pixels;  // the resampled or drawn pixels, when it was
};

// A skin of the set at `percent` as the caps judge its scaled sizes.
SetPicture SetPictureOf(const PictureObject& skin, int percent);

// The skin resampled to the size it has at `dpi` (a set of that very scale as it is),
// as a picture shown pixel for pixel there; an icon or metafile drawn at its size there
// on the key colour. Nothing larger than the caps is made: the caller chooses `dpi`
// with ShownDpi, and a skin still too large is shown as read.
ScaledSkin ScaleSkin(PictureRef skin, int percent, int dpi);

// The skin file read and scaled. A file that is missing, unreadable or no picture
// throws NumberedError.
ScaledSkin LoadScaledSkin(const std::wstring& file, int percent, int dpi);

}  // namespace discfront
