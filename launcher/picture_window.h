// frmPic: the frameless preview of the selected entry's picture, exactly the size of
// the picture at the scale of the window's monitor, reloaded each time the user comes back to it from another launcher
// window, closed by a click.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/picture_object.h"
#include "catalogue/catalogue_entry.h"
#include "disc/disc_folder.h"
#include "win32/window.h"

namespace discfront {

class PictureWindow : public win32::Window<PictureWindow> {
 public:
  static constexpr const wchar_t* kClassName = L"KorvelDiscfront.frmPic";
  static constexpr const wchar_t* kTitle = L"Form2";

  // Reads the selection of `list` (not owned) and the entries each time it is activated.
  PictureWindow(HWND list, const std::vector<CatalogueEntry>& entries, const DiscFolder& disc)
      : list_(list), entries_(entries), disc_(disc) {}

  // Creates and shows the window, owned by `owner` (the main window, whose end ends
  // it first), which then loads the picture as it becomes active.
  bool Open(HWND owner);
  // Whether the window is still there (a click or "none" closes it).
  bool IsOpen() const { return hwnd() != nullptr; }

  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  void OnActivated(HWND previous);
  void Reload();
  // Sizes the window to the picture at the window's scale.
  void FitToPicture();
  void Paint();

  HWND list_;  // not owned: Form1's list
  const std::vector<CatalogueEntry>& entries_;
  const DiscFolder& disc_;
  PictureRef picture_;
  SIZE size_{};  // the picture's size in pixels, which is the window's
  int dpi_ = 96;  // the window's resolution, that of its monitor
  bool activatedBefore_ = false;
  bool showingMessage_ = false;  // coming back from our own message box is no return of the user
  std::wstring accessibleName_;  // the shown entry's title, for screen readers
};

}  // namespace discfront
