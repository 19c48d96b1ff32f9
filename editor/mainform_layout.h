// Where Mainform's controls sit: designed in twips, in tab order, with their ids and
// captions; and where they go in pixels for a resolution and a font.
#pragma once

#include <span>
#include <vector>

#include "editor_texts.h"
#include "pixel_box.h"

namespace discfront::editor {

enum ControlId : int {
  kIdTxtNameSoft = 101,
  kIdTxtWay = 102,
  kIdTxtPic = 103,
  kIdTxtCom = 104,
  kIdCmdPaste = 105,
  kIdLabel1 = 106,
  kIdLabel2 = 107,
  kIdLabel3 = 108,
  kIdLabel4 = 109,
  kIdLabel5 = 110,
  kIdCmdDel = 111,
  kIdZap = 112,
  kIdEntries = 113,  // the entries list beside the form: laid out by the window's size, not in kControls
};

enum class ControlKind { kButton, kLabel, kEdit, kMultilineEdit, kDropDownList };

struct ControlPlace {
  ControlId id;
  ControlKind kind;
  unsigned caption;  // a text of editor_texts.h, 0 for none
  int left, top, width, height;  // twips
};

// Client area of the window, in twips.
constexpr int kClientWidthTwips = 4170;
constexpr int kClientHeightTwips = 6600;

// In tab order: creation order is the order in which Tab moves the focus.
inline constexpr ControlPlace kControls[] = {
    {kIdTxtNameSoft, ControlKind::kEdit, 0, 120, 960, 3855, 375},
    {kIdTxtWay, ControlKind::kEdit, 0, 120, 1680, 3855, 375},
    {kIdTxtPic, ControlKind::kEdit, 0, 120, 2400, 3855, 375},
    {kIdTxtCom, ControlKind::kMultilineEdit, 0, 120, 3120, 3855, 2655},
    {kIdCmdPaste, ControlKind::kButton, kTextPasteButton, 120, 240, 1695, 375},
    {kIdLabel1, ControlKind::kLabel, kTextTitleLabel, 120, 720, 1725, 195},
    {kIdLabel2, ControlKind::kLabel, kTextPathLabel, 120, 1440, 1440, 195},
    {kIdLabel3, ControlKind::kLabel, kTextPictureLabel, 120, 2160, 1800, 195},
    {kIdLabel4, ControlKind::kLabel, kTextCommentLabel, 120, 2880, 2010, 195},
    {kIdLabel5, ControlKind::kLabel, kTextRecordLabel, 120, 5880, 1140, 195},
    {kIdCmdDel, ControlKind::kButton, kTextDeleteButton, 2280, 240, 1695, 375},
    {kIdZap, ControlKind::kDropDownList, 0, 120, 6120, 3855, 315},
};

struct FormLayout {
  std::vector<PixelBox> boxes;  // one for each of kControls, in its order
  int clientWidth, clientHeight;
};

// The designed places at a resolution, grown for the font the controls show: each control
// at least one line of it tall (fields, buttons and the list a line and their frames),
// labels and buttons as wide as their captions. What grows pushes the controls below it
// (or, in its row, right of it) on by as much, keeping the designed gaps; the client area
// grows to hold them. With a font that fits the design, it is the design exactly.
// `captionWidths` holds each control's caption width in pixels, in kControls' order.
FormLayout LayOutForm(int dpi, int lineHeight, std::span<const int> captionWidths);

// The entries list right of the form: it takes the room the client area gives, with the
// form's margins; the form keeps its layout, whatever the window's size.
PixelBox EntriesListBox(const FormLayout& form, int clientWidth, int clientHeight, int dpi);
// The client area the window opens at first (the form and a list that shows its columns),
// and the least it can be made (the form and a narrow list).
struct ClientSize {
  int width, height;
};
ClientSize DefaultClientSize(const FormLayout& form, int dpi);
ClientSize MinimumClientSize(const FormLayout& form, int dpi);

// The height of the list's selection field in a box of `boxHeight` pixels.
int DropDownFieldHeight(int boxHeight, int dpi);

}  // namespace discfront::editor
