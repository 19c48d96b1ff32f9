// The launcher drawn as one picture at any display scale: one factor s = dpi / 96 for
// the window's monitor, the skin set that suits it, every length of the 1x design
// multiplied by s, and the skin's pixels resampled to the window's size so that the
// outline cut from them and the picture shown agree to the pixel.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

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

// Pixels 0x00RRGGBB, top row first.
struct PixelImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  bool operator==(const PixelImage&) const = default;
};

// The image resampled to width x height with a bilinear filter that never mixes the
// key colour into a kept pixel: a pixel is cut away exactly when the source pixel
// nearest its centre is of the key colour, and a kept pixel blends only the kept
// pixels around it (never becoming the key itself). At its own size the image comes
// back unchanged.
PixelImage ResampleSkin(const PixelImage& source, int width, int height, std::uint32_t keyPixel);

}  // namespace discfront
