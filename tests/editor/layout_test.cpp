// The editor's layout rules for any resolution and text size: the design exactly where its
// font fits, else every control a line of the font tall, none over another, all inside.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "editor/disc_check_layout.h"
#include "editor/mainform_layout.h"

namespace discfront::editor {
namespace {

bool Apart(const PixelBox& a, const PixelBox& b) {
  return a.left + a.width <= b.left || b.left + b.width <= a.left || a.top + a.height <= b.top ||
         b.top + b.height <= a.top;
}

TEST(MainformLayout, ControlsTakeALineApartAndInside) {
  const struct {
    int dpi, line, captionWidth;
    bool designed;  // the font fits the design: nothing moves
  } cases[] = {
      {96, 13, 70, true},   {144, 19, 100, true}, {192, 26, 140, true},  {96, 16, 120, false},
      {96, 28, 330, false}, {144, 42, 480, false}, {192, 56, 700, false}, {120, 34, 400, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dpi << " dpi, line " << c.line);
    const std::vector<int> captions(std::size(kControls), c.captionWidth);
    const FormLayout layout = LayOutForm(c.dpi, c.line, captions);
    const FormLayout design = LayOutForm(c.dpi, 0, std::vector<int>(std::size(kControls), 0));
    ASSERT_EQ(layout.boxes.size(), std::size(kControls));
    for (std::size_t i = 0; i < layout.boxes.size(); ++i) {
      const PixelBox& box = layout.boxes[i];
      const ControlKind kind = kControls[i].kind;
      EXPECT_GE(box.height, c.line + (kind == ControlKind::kLabel ? 0 : 4 * c.dpi / 96)) << i;
      EXPECT_GE(box.width, kind == ControlKind::kLabel ? c.captionWidth : 0) << i;
      EXPECT_GE(kind == ControlKind::kDropDownList ? DropDownFieldHeight(box.height, c.dpi) : c.line, c.line) << i;
      EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.left + box.width <= layout.clientWidth &&
                  box.top + box.height <= layout.clientHeight)
          << i << " leaves the window";
      for (std::size_t j = 0; j < i; ++j) EXPECT_TRUE(Apart(box, layout.boxes[j])) << i << " covers " << j;
      if (c.designed) {
        EXPECT_TRUE(box.left == design.boxes[i].left && box.top == design.boxes[i].top &&
                    box.width == design.boxes[i].width && box.height == design.boxes[i].height)
            << i << " moved";
      }
    }
    EXPECT_EQ(c.designed, layout.clientWidth == design.clientWidth && layout.clientHeight == design.clientHeight);
  }
}

TEST(DiscCheckLayout, BottomRowsKeepALineAndTheListWhatIsLeft) {
  const struct {
    int width, height, dpi, line;
  } cases[] = {{844, 341, 96, 13}, {844, 341, 96, 28}, {1266, 512, 144, 42}, {400, 20, 96, 28}, {400, 0, 192, 56}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.height << " high, line " << c.line);
    const DiscCheckPlaces places = PlaceDiscCheck(c.width, c.height, c.dpi, c.line);
    const int inside = std::max(c.height, places.minClientHeight);
    EXPECT_GE(places.list.height, c.line + 4 * c.dpi / 96);
    for (const PixelBox* box : {&places.progress, &places.status}) EXPECT_GE(box->height, c.line);
    EXPECT_TRUE(Apart(places.list, places.progress) && Apart(places.progress, places.status));
    EXPECT_EQ(places.status.top + places.status.height + places.list.top, inside) << "margins alike";
  }
}

}  // namespace
}  // namespace discfront::editor
