// Form1: the launcher's frameless main window, cut to its skin, with the list of
// entries, the description box and the four skinned command buttons.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "base/picture_object.h"
#include "catalogue/catalogue_entry.h"
#include "disc/disc_folder.h"
#include "disc/disc_settings.h"
#include "base/error_number.h"
#include "launcher/entry_list.h"
#include "launcher/launcher_skins.h"
#include "launcher/launcher_tray.h"
#include "launcher/picture_window.h"
#include "win32/handles.h"
#include "win32/twips.h"
#include "win32/window.h"

namespace discfront {

namespace buttonex {
class ButtonEx;
}

class Form1 : public win32::Window<Form1> {
 public:
  static constexpr const wchar_t* kClassName = L"Korvel Discfront BETA";
  static constexpr const wchar_t* kTitle = L"Korvel Discfront BETA";
  static constexpr const wchar_t* kTrayTip = L"Korvel Discfront";

  // The disc's settings: its entries' icons, and whether a start ends the menu.
  explicit Form1(const DiscSettings& settings) : settings_(settings) {}
  ~Form1();

  // Creates the window and loads all that its first look needs: every file of the load
  // sequence is read here, so each failure is found before the window shows, in the
  // sequence's order. A failure throws win32::ReportedError and leaves the window hidden,
  // with the notification icon added when the failed step comes after the icon's in the
  // sequence, as the step that failed would have left them.
  void Create();
  // Shows the window, then does the load's work the first look does not need: the
  // accessible names, the buttons' hover and pressed skins and the notification icon;
  // the entries' icons come one by one from the message loop.
  void Show(int showCommand);
  // Keys the window takes before the dialog keys: true when the message was used.
  bool PreTranslateMessage(const MSG& msg);

  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  enum ControlId : int { kList = 100, kAboutProg, kCmdInstal, kCmdPic, kCommand1, kCmdQuit };

  void MakeFont();
  void CreateControls();
  // Moves and sizes a control to its designed place (in twips) at the window's resolution.
  void PlaceControl(HWND control, const RECT& place) const;
  HWND CreateControl(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, int id, int left,
                     int top, int width, int height);
  buttonex::ButtonEx* CreateButton(int id, const wchar_t* caption, int top);
  // The load sequence's skin steps: the button skins are read, then the background,
  // and the four are shown together at the resolution they fit (ShowSkins).
  void LoadButtonSkins();
  void AddTrayIcon();
  void NameForAccessibility();
  void ShapeWindow();
  // Everything at the skins' resolution, then the skins on the buttons and the window
  // cut to the background. At start-up the buttons take only their up skin before the
  // window shows (GiveLaterSkins gives the others); on a change of scale all three.
  enum class ButtonStates { kUpOnly, kAll };
  void ShowSkins(ShownSkins skins, ButtonStates states);
  void GiveLaterSkins();
  // Fonts, the list's lines and every control's place and size at a resolution.
  void UseResolution(int dpi);
  // The window sized and cut to the background's outline; whole under high contrast.
  void CutWindow();
  void LoadDescription();
  void LoadCatalogueFile();
  // The entries' icons at the window's size, fetched again from the first: one
  // message each, so that a slow disc never holds the window still.
  int IconSize() const;
  void FetchIcons();
  void FetchNextIcon();
  // Throws the failure with its report; the program's way out (win32::RunProgram) shows it.
  [[noreturn]] void EndWithReport(ErrorNumber number, const std::wstring& fileName, int recordNumber = 0);

  // The window moved to a monitor of another resolution: everything again at that scale
  // once the skins for it are ready; if they cannot be, the window stays as it was.
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnCommand(int id, int code);
  // The selected entry's comment replaces the description.
  void ShowSelectedComment();
  void Install();
  void ShowPicture();
  void OnMouseDown(LPARAM lParam);
  void OnMouseMove(WPARAM keys);
  void PaintBackground(HDC hdc);
  // High contrast: system colours, no back bitmap, no outline; taken over again when
  // the system's settings or colours change.
  void ApplySystemLook(UINT msg, WPARAM wParam, LPARAM lParam);

  DiscSettings settings_;
  DiscFolder disc_{L""};
  // The window's resolution: its monitor's, or lower where a skin would pass the
  // picture caps there.
  int dpi_ = 96;
  win32::DpiResolution screen_;  // at dpi_
  int skinPercent_ = 100;           // the skin set shown, by its scale in percent
  win32::UniqueFont font_;
  // Slot k is item k of the list; read once at start-up and only read afterwards.
  std::vector<CatalogueEntry> entries_;
  HWND list_ = nullptr;       // not owned: child window
  EntryList entryList_;       // draws list_'s items
  std::vector<std::wstring> iconFiles_;  // whose icon each item shows (EntryIcons=yes only)
  std::size_t nextIcon_ = 0;
  bool iconFetchPosted_ = false;
  HWND aboutProg_ = nullptr;  // not owned: child window
  // cmdInstal, cmdPic, Command1, cmdQuit; each owned by its window.
  std::array<buttonex::ButtonEx*, 4> buttons_{};
  SkinFiles skinFiles_;  // while the load sequence reads them
  ShownSkins skins_;     // shown: the background's size in pixels is the window's
  bool highContrast_ = false;
  LauncherTray tray_;
  std::unique_ptr<PictureWindow> preview_;  // its window is owned by this one, so it never outlives it
  bool laterSkinsPending_ = false;  // the hover and pressed skins of skins_ wait for the window to show
};

}  // namespace discfront
