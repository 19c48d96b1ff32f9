// The launcher drawn as one picture at any display scale: one factor s = dpi / 96 for
// the window's monitor, the skin set that suits it, every length of the 1x design
// multiplied by s, within the caps of base/picture_limits.h. The skin's pixels are
// resampled to the window's size by base/skin_resample.h.
#pragma once

#include <span>

namespace discfront {

// The resolution the 1x design (its twips and its skins' pixels) is drawn for.
inline constexpr int kBaseDpi = 96;

// The skin sets a disc may carry, by their scale in percent: skin\ itself (100),
// skin\150\ and skin\200\, each with the same four files.
inline constexpr int kSkinSetPercents[] = {100, 150, 200};

// The set to use at `dpi` among those present (any order; 100 is always one): the
// one for the smallest scale at or above dpi / 96, else the largest present.
int ChooseSkinSet(std::span<const int> presentPercents, int dpi);

// A length of a set's picture (pixels of the set drawn at `percent`) on the screen at
// `dpi`: the 1x length times dpi / 96, rounded as the twips conversion rounds (halves
// to even), so that a skin and a control designed over it land on the same pixels.
int ScaledPixels(int setPixels, int percent, int dpi);

// Whether a set's picture has the size its scale promises against the 1x picture
// (1.5x or 2x, less than one pixel off).
bool SetSizeMatches(int setPixels, int percent, int basePixels);

// A picture of a skin set as read: its pixels, drawn for the set's scale in percent.
struct SetPicture {
  int width = 0, height = 0, percent = 100;
};

// Whether the picture, scaled for `dpi`, stays within the picture caps.
bool FitsAtDpi(const SetPicture& picture, int dpi);

// The resolution a window on a monitor of `dpi` shows its skins (and so all of itself)
// at: `dpi` when every picture, scaled for it, stays within the picture caps; else the
// highest quarter step (a multiple of 24 dpi) below it at which all do, so that a skin
// too large for a monitor is shown smaller rather than not at all. 0 when none does.
int ShownDpi(int dpi, std::span<const SetPicture> pictures);

}  // namespace discfront
