// A control's place in a window's client area, in pixels.
#pragma once

namespace discfront::editor {

struct PixelBox {
  int left, top, width, height;
};

}  // namespace discfront::editor
