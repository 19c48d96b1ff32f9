// A small raster canvas for the project's own artwork: shapes with smooth edges, gradients.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace discfront::art {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The key colour of every skin: pixels of exactly this colour lie outside a window.
inline constexpr Rgb kMagenta{255, 0, 255};

// Mixes a and b: t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, double t);

// Does the point (in pixel units, pixel centres at +0.5) lie inside a shape?
using Shape = std::function<bool(double x, double y)>;

Shape RoundedRect(double left, double top, double right, double bottom, double radius);
Shape Circle(double cx, double cy, double radius);
Shape Ring(double cx, double cy, double inner, double outer);

class Canvas {
 public:
  // A drawing of width x height units on `scale` x `scale` pixels each: the same
  // drawing, with every coordinate in units, comes out sharp at twice the size.
  Canvas(int width, int height, Rgb fill = {}, int scale = 1);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
  void Set(int x, int y, Rgb colour) { pixels_[Index(x, y)] = colour; }

  // Paints the shape with smooth edges (4 x 4 samples per pixel); `colour` may vary
  // with the position, for gradients and sheens.
  void Fill(const Shape& shape, const std::function<Rgb(double x, double y)>& colour);
  void Fill(const Shape& shape, Rgb colour);
  // Cuts the canvas to a shape with hard edges: every pixel whose centre lies outside
  // becomes `outside` (a window outline must not have blended edge pixels).
  void Cut(const Shape& inside, Rgb outside);
  // Fraction of the pixel's samples inside the shape.
  double Coverage(const Shape& shape, int x, int y) const;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }

  int width_;
  int height_;
  double scale_;
  std::vector<Rgb> pixels_;
};

// Linear blend from `from` at y0 to `to` at y1 (clamped), as a colour function.
std::function<Rgb(double, double)> VerticalGradient(double y0, Rgb from, double y1, Rgb to);

}  // namespace discfront::art
