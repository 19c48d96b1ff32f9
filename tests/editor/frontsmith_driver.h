// Driving frontsmith.exe from a test through its real window and dialogs.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "catalogue/line_format.h"
#include "uidriver/uidriver.h"

namespace frontsmith_test {

using discfront::CatalogueEntry;

// Control and menu ids of Mainform (a test names them so that a renumbering shows).
enum : int {
  kTxtNameSoft = 101, kTxtWay = 102, kTxtPic = 103, kTxtCom = 104,
  kCmdPaste = 105, kCmdDel = 111, kZap = 112, kEntries = 113,
  kMenuNew = 201, kMenuOpen, kMenuSave, kMenuSaveAs, kMenuExit, kMenuPaste, kMenuDel, kMenuHelp, kMenuAbout,
  kMenuDiscCheck, kMenuDiscRun, kMenuDiscAutorun, kMenuDiscDescription, kMenuDiscImage = 217,
  kMenuDiscEntryIcons = 230, kMenuDiscCloseAfterStart = 231,
};

constexpr wchar_t kCaption[] = L"Редактор Korvel Discfront";

// The folder where the test's build put frontsmith.exe and help.chm.
std::wstring AppFolder();

class Frontsmith {
 public:
  // Starts the editor and waits for its window.
  Frontsmith();

  uidriver::Process& process() { return *app_; }
  HWND main() const { return main_; }
  HWND Control(int id) const { return GetDlgItem(main_, id); }

  void Type(const CatalogueEntry& fields) const;  // sets the four text boxes
  CatalogueEntry Shown() const;                   // what the four text boxes show
  std::vector<std::wstring> Labels() const;
  int Selected() const;

  // Picks item k of the record list as a user does, and waits until it was handled.
  void Navigate(int k) const;
  // Presses the Insert or Delete button and waits until the window handled it.
  void Press(int buttonId) const;
  // A menu command, as the menu item sends it.
  void Menu(int commandId) const;
  // Presses a key (with modifiers) with the editor in front.
  void Key(WORD key, unsigned modifiers = uidriver::kNoModifier) const;
  // Ctrl+O or Save As, then the file chosen in the dialog; false if no dialog came.
  bool Open(const std::wstring& fileName);
  bool SaveAs(const std::wstring& fileName);
  // Reads the message box the editor shows now and presses its button (text
  // "<no message box>" if none came).
  uidriver::MessageBoxInfo TakeMessageBox(int button = IDOK);
  bool NoMessageBox() { return uidriver::WaitForMessageBox(app_->Id(), uidriver::Milliseconds{300}) == nullptr; }

  // Waits for the editor's idle state: every message posted so far handled.
  void Settle() const;

 private:
  bool ChooseInDialog(const std::wstring& fileName) const;

  std::optional<uidriver::Process> app_;
  HWND main_ = nullptr;
};

// A visible Open or Save As dialog of the process, once there is one.
HWND WaitForFileDialog(DWORD processId);
// Types the name into the dialog and confirms it; unless the file is there, so that the
// dialog asks whether to replace it, waits for the dialog to go.
void ChooseFile(HWND dialog, const std::wstring& fileName, bool asksToReplace = false);
void CancelDialog(HWND dialog);

// A fresh folder under the temporary folder, removed with what it holds.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }
  std::vector<std::wstring> Files() const;

 private:
  std::wstring path_;
};

// The Disc Image command up to its progress window: the warnings' question (answered
// Yes) when `warned`, the Save As dialog, the label dialog (its default read into
// `label`, then accepted as it stands).
void StartImage(Frontsmith& editor, const std::wstring& image, bool warned, std::wstring* label = nullptr,
                bool replaces = false);
// A disc the disc check passes without a word: skins, discfront.exe, info.txt and an
// empty content.lnc.
bool MakeImageableDisc(const TempFolder& disc);
// A sparse file of 4 000 000 000 bytes: made at once and read as fast as zeros, it
// keeps an image's progress window up for as long as a test needs it.
bool WriteLongFile(const std::wstring& fileName);

std::string ReadBytes(const std::wstring& fileName);
void WriteBytes(const std::wstring& fileName, const std::string& bytes);
bool FileExists(const std::wstring& fileName);

}  // namespace frontsmith_test
