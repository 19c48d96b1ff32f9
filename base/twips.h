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
// A length designed in pixels at 96 dpi (15 twips each), at a resolution: through the
// twips conversion, so that it lands where the same length placed in twips lands.
int DesignedPixelsAt(int pixels, int dpi);
double PixelsToTwips(double pixels, double twipsPerPixel);
// A picture's own size (HIMETRIC, 0.01 mm) in pixels at the screen's resolution.
int HimetricToPixels(std::int32_t himetric, double twipsPerPixel);

// A font's height in pixels for its size in points at a resolution in dots per inch.
// Fonts round as the system rounds them (halves up), not as the twips conversion does:
// every font of both programs is made through here, so that one size looks the same in
// the launcher, its buttons and the About dialog (8.25 pt at 144 dpi is 17 pixels).
int FontHeightPixels(double points, int dpi);

}  // namespace discfront
