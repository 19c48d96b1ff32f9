// Pictures the gallery draws for itself: button skins with see-through corners and
// a small picture with a key-coloured background.
#pragma once

#include <windows.h>

#include "base/picture_object.h"

namespace discfront::buttonex::gallery {

constexpr COLORREF kKey = RGB(255, 0, 255);

// A 120 x 30 skin: a rounded body in the colour, magenta outside the rounding.
PictureRef MakeSkin(COLORREF body);
// A 16 x 16 picture: a diamond on magenta.
PictureRef MakeGlyph(COLORREF colour);

}  // namespace discfront::buttonex::gallery
