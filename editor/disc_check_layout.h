// Where the disc check window's list, progress bar and status line go in its client area.
#pragma once

#include "pixel_box.h"

namespace discfront::editor {

struct DiscCheckPlaces {
  PixelBox list, progress, status;
  int minClientHeight;  // below it, the list would have no line left
};

// The progress bar and the status line at the bottom, each a line of the window's font
// tall (at least the designed 18 pixels at 96 dpi); the list takes the rest, and at
// least a line and its frame. A client area lower than minClientHeight cuts the lowest
// controls off rather than laying them over each other.
DiscCheckPlaces PlaceDiscCheck(int clientWidth, int clientHeight, int dpi, int lineHeight);

}  // namespace discfront::editor
