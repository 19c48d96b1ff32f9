#include "base/skin_resample.h"

#include <algorithm>
#include <cstddef>

#include "base/picture_limits.h"

namespace discfront {

namespace {

// Where a destination row or column samples its source: the two neighbours and the
// second one's weight in 1/256, and the neighbour nearest the centre.
struct Tap {
  int first = 0, second = 0, weight = 0, nearest = 0;
};

std::vector<Tap> Taps(int sourceLength, int length) {
  std::vector<Tap> taps(static_cast<std::size_t>(length));
  const double ratio = static_cast<double>(sourceLength) / length;
  for (int i = 0; i < length; ++i) {
    const double centre = (i + 0.5) * ratio;
    const double at = std::clamp(centre - 0.5, 0.0, sourceLength - 1.0);
    Tap& t = taps[static_cast<std::size_t>(i)];
    t.first = static_cast<int>(at);
    t.second = std::min(t.first + 1, sourceLength - 1);
    t.weight = static_cast<int>((at - t.first) * 256 + 0.5);
    t.nearest = std::min(static_cast<int>(centre), sourceLength - 1);
  }
  return taps;
}

}  // namespace

PixelImage ResampleSkin(const PixelImage& source, int width, int height, std::uint32_t keyPixel) {
  if (width == source.width && height == source.height) return source;
  if (!PixelsWithinCaps(width, height)) return {};
  PixelImage out{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
  if (source.width <= 0 || source.height <= 0 || width <= 0 || height <= 0) {
    std::fill(out.pixels.begin(), out.pixels.end(), keyPixel);
    return out;
  }
  const std::vector<Tap> columns = Taps(source.width, width);
  const std::vector<Tap> rows = Taps(source.height, height);
  auto at = [&](int x, int y) { return source.pixels[static_cast<std::size_t>(y) * source.width + x]; };
  for (int y = 0; y < height; ++y) {
    const Tap& row = rows[static_cast<std::size_t>(y)];
    for (int x = 0; x < width; ++x) {
      const Tap& column = columns[static_cast<std::size_t>(x)];
      std::uint32_t& result = out.pixels[static_cast<std::size_t>(y) * width + x];
      if (at(column.nearest, row.nearest) == keyPixel) {
        result = keyPixel;
        continue;
      }
      const int wx[2] = {256 - column.weight, column.weight};
      const int wy[2] = {256 - row.weight, row.weight};
      const int xs[2] = {column.first, column.second};
      const int ys[2] = {row.first, row.second};
      long long r = 0, g = 0, b = 0, total = 0;
      for (int j = 0; j < 2; ++j) {
        for (int i = 0; i < 2; ++i) {
          const std::uint32_t p = at(xs[i], ys[j]);
          const int w = wx[i] * wy[j];
          if (p == keyPixel || w == 0) continue;
          r += w * static_cast<long long>((p >> 16) & 0xFF);
          g += w * static_cast<long long>((p >> 8) & 0xFF);
          b += w * static_cast<long long>(p & 0xFF);
          total += w;
        }
      }
      // The nearest pixel is one of the four with at least half of each weight: total > 0.
      const auto channel = [total](long long sum) { return static_cast<std::uint32_t>((sum + total / 2) / total); };
      result = (channel(r) << 16) | (channel(g) << 8) | channel(b);
      // A blend of kept colours that happens to equal the key would be cut away.
      if (result == keyPixel) result ^= 1;
    }
  }
  return out;
}

}  // namespace discfront
