// The size a picture is shown at in a window of a resolution.
#pragma once

#include <windows.h>

#include "base/picture_object.h"

namespace discfront {

// A bitmap or icon is drawn in pixels of the 1x design, so it takes its pixels times
// the window's scale (dpi / 96); a metafile has a size of its own (HIMETRIC), which
// it takes at the window's resolution. The picture loader's HIMETRIC for a bitmap or
// icon comes from the resolution of the whole screen, which is not the window's.
SIZE PicturePixels(const PictureObject& picture, int dpi);

}  // namespace discfront
