// Form1: the launcher's frameless main window with the list of entries, the
// description box and the four command buttons.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "catalogue/catalogue_entry.h"
#include "catalogue/disc_folder.h"
#include "win32/handles.h"
#include "win32/twips.h"
#include "win32/window.h"

namespace discfront {

class Form1 : public win32::Window<Form1> {
 public:
  static constexpr const wchar_t* kClassName = L"Korvel Discfront BETA";
  static constexpr const wchar_t* kTitle = L"Korvel Discfront BETA";

  // Creates the window and runs the whole load sequence; the window is not yet shown.
  // A failure of the load sequence ends the program with the default error report.
  bool Create();
  void Show(int showCommand);

  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  enum ControlId : int { kList = 100, kAboutProg, kCmdInstal, kCmdPic, kCommand1, kCmdQuit };

  void CreateControls();
  HWND CreateControl(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, int id, int left,
                     int top, int width, int height);
  void LoadDescription();
  void LoadCatalogueFile();
  void OnCommand(int id, int code);
  // The selected entry's comment replaces the description.
  void ShowSelectedComment();

  DiscFolder disc_{L""};
  win32::ScreenResolution screen_;
  win32::UniqueFont font_;
  // Slot k is item k of the list; read once at start-up and only read afterwards.
  std::vector<CatalogueEntry> entries_;
  HWND list_ = nullptr;       // not owned: child window
  HWND aboutProg_ = nullptr;  // not owned: child window
};

}  // namespace discfront
