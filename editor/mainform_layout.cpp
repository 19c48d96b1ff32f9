// Mainform's places in pixels: the design at a resolution, grown where its font needs room.
#include "mainform_layout.h"

#include <algorithm>
#include <numeric>

#include "base/twips.h"

namespace discfront::editor {
namespace {

// The frame around a control's line of text, designed at 96 dpi: an edit's sunken edge
// and the room inside it, a button's raised edge, the list's field less its item.
int FramePixels(ControlKind kind, int dpi) {
  switch (kind) {
    case ControlKind::kLabel: return 0;
    case ControlKind::kDropDownList: return DesignedPixelsAt(6, dpi);
    default: return DesignedPixelsAt(8, dpi);
  }
}

bool Overlap(int start1, int length1, int start2, int length2) {
  return start1 < start2 + length2 && start2 < start1 + length1;
}

// The order in which a pass sees the controls: those a control may push come after it.
std::vector<std::size_t> OrderBy(const std::vector<PixelBox>& boxes, int PixelBox::*edge) {
  std::vector<std::size_t> order(boxes.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return boxes[a].*edge < boxes[b].*edge; });
  return order;
}

}  // namespace

FormLayout LayOutForm(int dpi, int lineHeight, std::span<const int> captionWidths) {
  const double perPixel = TwipsPerPixel(dpi);
  auto pixels = [perPixel](int twips) { return TwipsToPixels(twips, perPixel); };
  std::vector<PixelBox> designed;
  for (const ControlPlace& place : kControls) {
    designed.push_back({pixels(place.left), pixels(place.top), pixels(place.width), pixels(place.height)});
  }
  std::vector<PixelBox> boxes = designed;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const ControlKind kind = kControls[i].kind;
    const int caption = i < captionWidths.size() ? captionWidths[i] : 0;
    if (kind == ControlKind::kLabel) boxes[i].width = std::max(boxes[i].width, caption);
    // A button keeps half a line of room either side of its caption.
    if (kind == ControlKind::kButton) boxes[i].width = std::max(boxes[i].width, caption + lineHeight);
    boxes[i].height = std::max(boxes[i].height, lineHeight + FramePixels(kind, dpi));
  }

  // In its row, a control moves right by as much as the controls left of it grew.
  for (std::size_t j : OrderBy(designed, &PixelBox::left)) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      const int designedRight = designed[i].left + designed[i].width;
      if (designedRight <= designed[j].left &&
          Overlap(designed[i].top, designed[i].height, designed[j].top, designed[j].height)) {
        boxes[j].left = std::max(boxes[j].left, designed[j].left + boxes[i].left + boxes[i].width - designedRight);
      }
    }
  }
  // The client area holds the widest row with the designed margin; the fields that reached
  // the margin stretch to it, the buttons there move along.
  int designedRight = 0;
  for (const PixelBox& box : designed) designedRight = std::max(designedRight, box.left + box.width);
  const int margin = pixels(kClientWidthTwips) - designedRight;
  FormLayout layout{{}, pixels(kClientWidthTwips), pixels(kClientHeightTwips)};
  for (const PixelBox& box : boxes) layout.clientWidth = std::max(layout.clientWidth, box.left + box.width + margin);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    if (designed[i].left + designed[i].width != designedRight) continue;
    const int right = layout.clientWidth - margin;
    if (kControls[i].kind == ControlKind::kButton) {
      boxes[i].left = right - boxes[i].width;
    } else if (kControls[i].kind != ControlKind::kLabel) {
      boxes[i].width = right - boxes[i].left;
    }
  }

  // Every control moves down by as much as the controls above it grew.
  for (std::size_t j : OrderBy(designed, &PixelBox::top)) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      const int designedBottom = designed[i].top + designed[i].height;
      if (designedBottom <= designed[j].top) {
        boxes[j].top = std::max(boxes[j].top, designed[j].top + boxes[i].top + boxes[i].height - designedBottom);
      }
    }
    const int grown = boxes[j].top + boxes[j].height - designed[j].top - designed[j].height;
    layout.clientHeight = std::max(layout.clientHeight, pixels(kClientHeightTwips) + grown);
  }
  layout.boxes = std::move(boxes);
  return layout;
}

namespace {
constexpr int kListMargin = 8;          // pixels at 96 dpi, as the form's fields keep from the edge
constexpr int kDefaultListWidth = 600;  // shows the five columns at their first widths
constexpr int kMinimumListWidth = 160;
}  // namespace

PixelBox EntriesListBox(const FormLayout& form, int clientWidth, int clientHeight, int dpi) {
  // Level with the form's top row, as far from the bottom as from the top.
  const int margin = DesignedPixelsAt(kListMargin, dpi);
  int top = margin;
  if (!form.boxes.empty()) {
    top = form.boxes.front().top;
    for (const PixelBox& box : form.boxes) top = std::min(top, box.top);
  }
  return {form.clientWidth, top, std::max(clientWidth - form.clientWidth - margin, 0), std::max(clientHeight - 2 * top, 0)};
}

ClientSize DefaultClientSize(const FormLayout& form, int dpi) {
  return {form.clientWidth + DesignedPixelsAt(kDefaultListWidth + kListMargin, dpi), form.clientHeight};
}

ClientSize MinimumClientSize(const FormLayout& form, int dpi) {
  return {form.clientWidth + DesignedPixelsAt(kMinimumListWidth + kListMargin, dpi), form.clientHeight};
}

int DropDownFieldHeight(int boxHeight, int dpi) { return std::max(boxHeight - DesignedPixelsAt(6, dpi), 8); }

}  // namespace discfront::editor
