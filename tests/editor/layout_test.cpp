// Mainform's layout for any resolution and text size: the design exactly where its font
// fits, else every control a line of the font tall, none over another, all inside.
#include <gtest/gtest.h>

#include <vector>

#include "editor/mainform_layout.h"

namespace discfront::editor {
namespace {

bool Apart(const PixelBox& a, const PixelBox& b) {
  return a.left + a.width <= b.left || b.left + b.width <= a.left || a.top + a.height <= b.top ||
         b.top + b.height <= a.top;
}
bool Same(const PixelBox& a, const PixelBox& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

TEST(MainformLayout, ControlsTakeALineApartAndInside) {
  const struct {
    int dpi, line, captionWidth;
    bool designed;  // the font fits the design: nothing moves
  } cases[] = {
      {96, 13, 70, true},   {144, 19, 100, true}, {192, 26, 140, true},  {96, 16, 120, false},
      {96, 28, 330, false}, {144, 42, 480, false}, {192, 56, 700, false}, {120, 34, 400, false},
  };
  const FormLayout design96 = LayOutForm(96, 0, {});
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dpi << " dpi, line " << c.line);
    const FormLayout layout = LayOutForm(c.dpi, c.line, std::vector<int>(std::size(kControls), c.captionWidth));
    const FormLayout design = LayOutForm(c.dpi, 0, {});
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
      EXPECT_TRUE(!c.designed || Same(box, design.boxes[i])) << i << " moved";
    }
    EXPECT_EQ(c.designed, layout.clientWidth == design.clientWidth && layout.clientHeight == design.clientHeight);
    // The entries list beside the form, at the least and the first size and grown: it
    // takes the room, the form stays.
    const ClientSize least = MinimumClientSize(layout, c.dpi), first = DefaultClientSize(layout, c.dpi);
    EXPECT_TRUE(least.width < first.width && least.height == layout.clientHeight);
    for (const ClientSize client : {least, first, ClientSize{first.width * 2, first.height * 2}}) {
      const PixelBox list = EntriesListBox(layout, client.width, client.height, c.dpi);
      EXPECT_GE(list.width, 160 * c.dpi / 96);
      EXPECT_TRUE(list.left + list.width < client.width && list.top + list.height < client.height);
      EXPECT_EQ(list.top + list.height / 2, client.height / 2) << "as far from the bottom as from the top";
      for (const PixelBox& box : layout.boxes) EXPECT_TRUE(Apart(box, list));
    }
  }
  // 4170 x 6600 twips at 96 dpi; the first field 8, 64, 257 x 25.
  EXPECT_TRUE(design96.clientWidth == 278 && design96.clientHeight == 440 && Same(design96.boxes[0], {8, 64, 257, 25}));
}

}  // namespace
}  // namespace discfront::editor
