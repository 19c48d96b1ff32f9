// Picture objects of the programs: a bitmap, icon or metafile loaded by the system's
// own decoders (BMP, ICO, GIF, JPEG, PNG, WMF, EMF), shared and reference-counted,
// keeping the file image it came from.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "base/skin_resample.h"
#include "base/picture_object.h"

namespace win32 {

using discfront::PictureRef;

// The picture of a file image, or null when the bytes are no picture the system reads.
// The calling thread is in COM's single-threaded apartment (see com_apartment.h).
PictureRef DecodePicture(const std::string& bytes);

// A 24-bit bitmap picture drawn in memory, pixel by pixel (for made-up skins and glyphs).
PictureRef MakeBitmapPicture(int width, int height, const std::function<COLORREF(int x, int y)>& colourOf);

// The picture of a file. Throws discfront::NumberedError: number 53 with "Файл не
// найден." for a missing file, 75 for one that exists but cannot be read, 7 for one
// above the byte cap and 481 for one whose header promises more pixels than the caps
// (base/picture_limits.h), both before it is decoded, 5 for one that is no picture.
PictureRef LoadPictureFile(const std::wstring& path);

// Draws the picture at its own size (in pixels) with its top left corner at (x, y).
void DrawPicture(const discfront::PictureObject& picture, HDC hdc, int x, int y, int width, int height);

// A bitmap picture of the pixels, whose own size (HIMETRIC) is its pixels at `dpi`,
// so that a control at that resolution shows it pixel for pixel. Null if it cannot be made.
PictureRef MakePixelPicture(const discfront::PixelImage& image, int dpi);

// The same bitmap picture, whose own size (HIMETRIC) is its pixels at `dpi`; any other
// picture as it is.
PictureRef ShownAtDpi(PictureRef picture, int dpi);

// The picture's pixels at its own size (a bitmap's pixels; an icon or metafile drawn
// at its size at `dpi` on the key colour). Nothing if they cannot be read.
std::optional<discfront::PixelImage> PixelsOfPicture(const discfront::PictureObject& picture, COLORREF key, int dpi);

// The picture drawn at width x height on the key colour (an icon's or metafile's
// see-through parts stay the key). Nothing beyond the picture caps or if it cannot be drawn.
std::optional<discfront::PixelImage> PixelsDrawnAt(const discfront::PictureObject& picture, COLORREF key, int width,
                                                   int height);

// The bitmap handle of a bitmap picture, else null.
HBITMAP BitmapOf(const discfront::PictureObject& picture);

}  // namespace win32
