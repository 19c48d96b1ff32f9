// Drawing on the artwork canvas.
#include "art/canvas.h"

#include <algorithm>
#include <cmath>

namespace discfront::art {

Rgb Mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto channel = [t](std::uint8_t x, std::uint8_t y) {
    return static_cast<std::uint8_t>(std::lround(x + (y - x) * t));
  };
  return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

Shape RoundedRect(double left, double top, double right, double bottom, double radius) {
  return [=](double x, double y) {
    if (x < left || x >= right || y < top || y >= bottom) return false;
    const double cx = std::clamp(x, left + radius, right - radius);
    const double cy = std::clamp(y, top + radius, bottom - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  };
}

Shape Circle(double cx, double cy, double radius) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; };
}

Shape Ring(double cx, double cy, double inner, double outer) {
  return [=](double x, double y) {
    const double d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
    return d <= outer * outer && d >= inner * inner;
  };
}

Canvas::Canvas(int width, int height, Rgb fill, int scale)
    : width_(width * scale), height_(height * scale), scale_(scale),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

double Canvas::Coverage(const Shape& shape, int x, int y) const {
  int inside = 0;
  for (int sy = 0; sy < 4; ++sy) {
    for (int sx = 0; sx < 4; ++sx) {
      if (shape((x + (sx + 0.5) / 4.0) / scale_, (y + (sy + 0.5) / 4.0) / scale_)) ++inside;
    }
  }
  return inside / 16.0;
}

void Canvas::Fill(const Shape& shape, const std::function<Rgb(double, double)>& colour) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const double coverage = Coverage(shape, x, y);
      if (coverage > 0) Set(x, y, Mix(At(x, y), colour((x + 0.5) / scale_, (y + 0.5) / scale_), coverage));
    }
  }
}

void Canvas::Fill(const Shape& shape, Rgb colour) {
  Fill(shape, [colour](double, double) { return colour; });
}

void Canvas::Cut(const Shape& inside, Rgb outside) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (!inside((x + 0.5) / scale_, (y + 0.5) / scale_)) Set(x, y, outside);
    }
  }
}

std::function<Rgb(double, double)> VerticalGradient(double y0, Rgb from, double y1, Rgb to) {
  return [=](double, double y) { return Mix(from, to, (y - y0) / (y1 - y0)); };
}

}  // namespace discfront::art
