// Copies that leave out the pixels of a key colour, with 1-bit masks and the four
// raster operations, as the button draws its picture and its silhouette.
#pragma once

#include <windows.h>

namespace discfront::buttonex {

// The key value that takes the key from the source's own pixel.
constexpr COLORREF kKeyFromSource = 0xFFFFFFFF;

// Copies w x h from source at srcAt onto dest at destAt, except the source's pixels
// of the key colour, which leave the destination as it was. kKeyFromSource takes
// the key from the source's pixel (1, 1). Results of the copies are not tested.
void MaskedCopy(HDC dest, HDC source, POINT destAt, POINT srcAt, int w, int h, COLORREF key);

// Copies the 1-bit mask of source (key pixels 1) to dest at destAt, where the 1s take
// dest's background colour and the 0s its text colour. kKeyFromSource takes the key
// from the source's pixel (0, 0). Reports whether the last copy made succeeded.
bool MaskOnto(HDC source, HDC dest, COLORREF key, POINT destAt, POINT srcAt, int w, int h);

// MaskedCopy between two surfaces, stopping at the first failing copy; the key
// kKeyFromSource comes from the source's pixel (0, 0). Reports whether the last
// copy made succeeded.
bool MaskedSurfaceCopy(HDC dest, HDC source, POINT destAt, POINT srcAt, int w, int h, COLORREF key);

}  // namespace discfront::buttonex
