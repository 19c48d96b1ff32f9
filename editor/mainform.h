// Mainform: the editor's window. It binds the record store to the four text boxes
// and the record list, and runs the file and help commands around it.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <set>
#include <string>

#include "base/file_encoding.h"
#include "base/texts.h"
#include "disc_check_window.h"
#include "record_store.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace discfront::editor {

class Mainform : public win32::Window<Mainform> {
 public:
  static constexpr wchar_t kClassName[] = L"FrontsmithMainform";

  // Opens the window; a failure to is thrown, for the program's report.
  void Create(int showCommand);
  // Keys the window handles before the message loop's dialog navigation; true when handled.
  bool PreTranslateMessage(const MSG& msg);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  void OnCreate();
  void OnCommand(int id, int code);
  void OnClose();

  // Commands.
  void OnZapClick();
  void OnPaste();
  void OnDelete();
  void OnFileNew();
  void OnFileOpen();
  bool OnFileSave();
  bool OnFileSaveAs();

  // The Disc menu (mainform_disc.cpp).
  void OnDiscCheck();
  void OnDiscRun();
  void OnDiscAutorun();
  void OnDiscDescription();
  // Writes the disc folder's image, after the disc check, where and with the label the author says.
  void OnDiscImage();
  // The disc check run whole: false (after showing why) when the image must not be made.
  bool CheckBeforeImage(const std::wstring& folder);
  // Fixes the disc's language in its discfront.ini, or leaves it to the user's.
  void OnDiscLanguage(std::optional<UiLanguage> language);
  // Turns a switch of the disc's discfront.ini on or off; the Disc menu shows them checked when on.
  void OnDiscSwitch(int command);
  void ShowDiscSwitches(HMENU menu);
  // Says once per file that a file was saved as UTF-8, which older launchers cannot read.
  void TellIfUtf8(HWND owner, const std::wstring& fileName, FileEncoding encoding);
  // The folder of the saved catalogue, or nothing (after saying so) when there is none.
  std::optional<std::wstring> DiscFolderOrSay();
  // Shows record `slot` as picking it in the record list does.
  void ShowRecord(int slot);

  // Writes the store to the file; false (after a message) when nothing was written.
  bool SaveTo(const std::wstring& fileName);
  // Asks whether to save unsaved changes; false when the user chose to stay.
  bool ConfirmDiscard();
  std::set<std::wstring> toldUtf8_;  // files already said to be UTF-8

  // Text boxes into the store, and the store into the text boxes and the list.
  void ReadFields();
  void ShowStore();
  void ShowNotice(Notice notice);

  HWND Control(int id) const { return GetDlgItem(hwnd(), id); }
  // Places the controls and gives them the message font at a resolution.
  void LayOut(int dpi);

  RecordStore store_;
  std::wstring fileName_;  // empty until a file was opened or saved
  win32::UniqueFont font_;
  HWND lastFocus_ = nullptr;  // not owned: the control that had the keyboard
  std::unique_ptr<DiscCheckWindow> discCheck_;  // the last check's window, open or closed
};

}  // namespace discfront::editor
