// Twips (1/1440 inch) and pixels: the one conversion every window and control uses,
// so that a control placed in twips and one sizing itself in twips land on the same
// pixel. Whole numbers are reached by rounding halves to the even neighbour.
#pragma once

#include <cstdint>

namespace discfront {

// The whole number nearest to v, halves going to the even neighbour.
int Nearest(double v);

// Twips per pixel at a resolution in dots per inch (15 at 96).
constexpr double TwipsPerPixel(int dpi) { return 1440.0 / dpi; }

int TwipsToPixels(double twips, double twipsPerPixel);
double PixelsToTwips(double pixels, double twipsPerPixel);
// A picture's own size (HIMETRIC, 0.01 mm) in pixels at the screen's resolution.
int HimetricToPixels(std::int32_t himetric, double twipsPerPixel);

}  // namespace discfront
