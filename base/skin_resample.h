// A skin's pixels at another size: the launcher's window is one picture at any display
// scale, and the outline cut from the resampled pixels and the picture shown agree to
// the pixel.
#pragma once

#include <cstdint>
#include <vector>

namespace discfront {

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
// back unchanged. A size beyond the picture caps gives an empty image, nothing allocated.
PixelImage ResampleSkin(const PixelImage& source, int width, int height, std::uint32_t keyPixel);

}  // namespace discfront
