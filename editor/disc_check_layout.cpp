#include "disc_check_layout.h"

#include <algorithm>

#include "base/twips.h"

namespace discfront::editor {

DiscCheckPlaces PlaceDiscCheck(int clientWidth, int clientHeight, int dpi, int lineHeight) {
  const int margin = DesignedPixelsAt(8, dpi);
  const int row = std::max(DesignedPixelsAt(18, dpi), lineHeight);
  const int listGap = DesignedPixelsAt(6, dpi);
  const int rowGap = DesignedPixelsAt(4, dpi);
  const int listMin = lineHeight + DesignedPixelsAt(4, dpi);  // a line inside its sunken edge
  const int minHeight = margin + listMin + listGap + row + rowGap + row + margin;
  const int height = std::max(clientHeight, minHeight);
  const int width = std::max(clientWidth - 2 * margin, 0);
  const int statusTop = height - margin - row;
  const int progressTop = statusTop - rowGap - row;
  return {{margin, margin, width, progressTop - listGap - margin},
          {margin, progressTop, width, row},
          {margin, statusTop, width, row},
          minHeight};
}

}  // namespace discfront::editor
