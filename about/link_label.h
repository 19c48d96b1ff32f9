// A link label of the About dialog: a text in its own font and colour, sized to the
// text, that tells its parent when the pointer moves over it and when it is clicked.
#pragma once

#include <windows.h>

#include "win32/window.h"

namespace discfront::about {

// Notification codes sent to the parent in WM_COMMAND (the low word is the label's id).
constexpr WORD kLinkPointerOver = 0x4001;
constexpr WORD kLinkClicked = 0x4002;

class LinkLabel : public win32::Window<LinkLabel> {
 public:
  // Creates the label at (x, y) of the parent's inside area, sized to its text.
  bool Create(HWND parent, int id, const wchar_t* text, int x, int y, HFONT font);
  // Changes font and colour, and sizes the label to its text in that font again.
  void SetLook(HFONT font, COLORREF colour);
  COLORREF colour() const { return colour_; }
  HFONT font() const { return font_; }

  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  void Notify(WORD code);
  void FitToText();
  void Paint(HDC hdc);

  HFONT font_ = nullptr;  // not owned: the dialog owns its fonts
  COLORREF colour_ = RGB(0, 0, 0);
  bool pressed_ = false;
};

}  // namespace discfront::about
