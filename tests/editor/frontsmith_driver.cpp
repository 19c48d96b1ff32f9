// Driving frontsmith.exe from a test: its controls, its file dialogs, temporary folders.
#include "frontsmith_driver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "win32/atomic_file.h"
#include "win32/file_io.h"
#include "win32/handles.h"

namespace frontsmith_test {

using namespace uidriver;
namespace fs = std::filesystem;

namespace {

constexpr int kFileNameEdit = 0x480;   // edt1
constexpr int kFileNameCombo = 0x47c;  // cmb13

HWND FileNameEdit(HWND dialog) {
  if (HWND edit = FindChild(dialog, {.id = kFileNameEdit}); edit != nullptr) return edit;
  if (HWND combo = FindChild(dialog, {.id = kFileNameCombo}); combo != nullptr) {
    if (_wcsicmp(ClassName(combo).c_str(), L"Edit") == 0) return combo;
    return FindChild(combo, {.className = L"Edit"});
  }
  return nullptr;
}

}  // namespace

std::wstring AppFolder() { return OwnFolder() + L"\\app"; }

Frontsmith::Frontsmith() {
  app_.emplace(Process::Start(AppFolder() + L"\\frontsmith.exe"));
  main_ = WaitForWindow({.className = L"FrontsmithMainform", .title = kCaption, .processId = app_->Id()});
  if (main_ == nullptr) throw std::runtime_error("frontsmith's window did not appear");
  Settle();
}

void Frontsmith::Type(const CatalogueEntry& fields) const {
  SetText(Control(kTxtNameSoft), fields.title);
  SetText(Control(kTxtWay), fields.path);
  SetText(Control(kTxtPic), fields.picture);
  SetText(Control(kTxtCom), fields.comment);
}

CatalogueEntry Frontsmith::Shown() const {
  return {GetText(Control(kTxtWay)), GetText(Control(kTxtNameSoft)), GetText(Control(kTxtCom)),
          GetText(Control(kTxtPic))};
}

std::vector<std::wstring> Frontsmith::Labels() const { return ComboBoxItems(Control(kZap)); }
int Frontsmith::Selected() const { return ComboBoxSelection(Control(kZap)); }

void Frontsmith::Settle() const {
  // Posted messages of a thread are handled in the order they were posted, so once a
  // marker posted now has taken effect, everything posted before it (button clicks,
  // list notifications, menu commands) has been handled too. The marker is the data
  // of the list's first item, which the editor does not use.
  static LPARAM serial = 0x5E771E;
  HWND zap = Control(kZap);
  if (Send(zap, CB_GETCOUNT) <= 0) {
    Send(main_, WM_NULL);
    return;
  }
  const LPARAM marker = ++serial;
  PostMessageW(zap, CB_SETITEMDATA, 0, marker);
  WaitUntil([&] { return Send(zap, CB_GETITEMDATA, 0) == marker || Send(zap, CB_GETCOUNT) <= 0; });
}

void Frontsmith::Navigate(int k) const {
  SelectComboBoxItem(Control(kZap), k);
  Settle();
}

void Frontsmith::Press(int buttonId) const {
  PressButton(Control(buttonId));
  Settle();
}

void Frontsmith::Menu(int commandId) const { PostMessageW(main_, WM_COMMAND, MAKEWPARAM(commandId, 0), 0); }

void Frontsmith::Key(WORD key, unsigned modifiers) const {
  BringToFront(main_);
  PressKey(key, modifiers);
}

bool Frontsmith::Open(const std::wstring& fileName) {
  Key('O', kCtrl);
  return ChooseInDialog(fileName);
}

bool Frontsmith::SaveAs(const std::wstring& fileName) {
  Menu(kMenuSaveAs);
  return ChooseInDialog(fileName);
}

bool Frontsmith::ChooseInDialog(const std::wstring& fileName) const {
  HWND dialog = WaitForFileDialog(app_->Id());
  if (dialog != nullptr) ChooseFile(dialog, fileName);
  Settle();
  return dialog != nullptr;
}

MessageBoxInfo Frontsmith::TakeMessageBox(int button) {
  HWND box = WaitForMessageBox(app_->Id());
  if (box == nullptr) return {nullptr, L"<none>", L"<no message box>", IconKind::kUnknown, {}};
  MessageBoxInfo info = ReadMessageBox(box);
  PressMessageBoxButton(box, button);
  return info;
}

HWND WaitForFileDialog(DWORD processId) {
  HWND found = nullptr;
  WaitUntil([&] {
    for (HWND w : FindWindows({.className = L"#32770", .processId = processId})) {
      if (FileNameEdit(w) != nullptr) {
        found = w;
        return true;
      }
    }
    return false;
  });
  return found;
}

void ChooseFile(HWND dialog, const std::wstring& fileName, bool asksToReplace) {
  SetText(FileNameEdit(dialog), fileName);
  PressButton(FindChild(dialog, {.className = L"Button", .id = IDOK}));
  if (!asksToReplace) WaitForWindowGone(dialog);
}

void CancelDialog(HWND dialog) {
  PressButton(FindChild(dialog, {.className = L"Button", .id = IDCANCEL}));
  WaitForWindowGone(dialog);
  // Hidden is not yet over: the dialog's own message loop ends when it is destroyed.
  WaitUntil([&] { return !IsWindow(dialog); });
}

TempFolder::TempFolder() {
  static int serial = 0;
  path_ = (fs::temp_directory_path() / (L"frontsmith_e2e_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                                        std::to_wstring(++serial))).wstring();
  fs::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(path_, error)) {
    SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);  // read-only files of a test
  }
  fs::remove_all(path_, error);
}

std::vector<std::wstring> TempFolder::Files() const {
  std::vector<std::wstring> names;
  for (const auto& entry : fs::directory_iterator(path_)) {
    if (entry.is_regular_file()) names.push_back(entry.path().filename().wstring());
  }
  return names;
}

void StartImage(Frontsmith& editor, const std::wstring& image, bool warned, std::wstring* label, bool replaces) {
  editor.Menu(kMenuDiscImage);
  if (warned) {
    const MessageBoxInfo question = editor.TakeMessageBox(IDYES);
    EXPECT_TRUE(question.text.starts_with(L"Проверка диска предупреждает:")) << question.text;
    EXPECT_EQ(question.icon, IconKind::kWarning);
  }
  HWND save = WaitForFileDialog(editor.process().Id());
  ASSERT_NE(save, nullptr);
  ChooseFile(save, image, replaces);
  if (replaces) editor.TakeMessageBox(IDYES);
  HWND ask = WaitForWindow({.className = L"#32770", .title = L"Образ диска", .processId = editor.process().Id()});
  ASSERT_NE(ask, nullptr);
  if (label != nullptr) *label = GetText(FindChild(ask, {.id = 100}));  // the text dialogs' edit box
  PressButton(FindChild(ask, {.className = L"Button", .id = IDOK}));
}

bool MakeImageableDisc(const TempFolder& disc) {
  CreateDirectoryW(disc.File(L"skin").c_str(), nullptr);
  for (const std::wstring name : {L"back.bmp", L"button.bmp", L"buttonmove.bmp", L"buttondown.bmp"}) {
    if (!CopyFileW((AppFolder() + L"\\skin\\" + name).c_str(), disc.File(L"skin\\" + name).c_str(), FALSE)) return false;
  }
  WriteBytes(disc.File(L"content.lnc"), "");
  WriteBytes(disc.File(L"info.txt"), "Test disc\r\n");
  return CopyFileW((AppFolder() + L"\\hello.exe").c_str(), disc.File(L"discfront.exe").c_str(), FALSE) != FALSE;
}

bool WriteLongFile(const std::wstring& fileName) {
  const win32::UniqueHandle file(CreateFileW(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
  LARGE_INTEGER size{};
  size.QuadPart = 4'000'000'000LL;
  return file && SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN) && SetEndOfFile(file.get());
}

std::string ReadBytes(const std::wstring& fileName) {
  std::string bytes;
  if (win32::ReadWholeFile(fileName, bytes) != discfront::ErrorNumber::kNone) return "<unreadable>";
  return bytes;
}

void WriteBytes(const std::wstring& fileName, const std::string& bytes) {
  if (!win32::ReplaceFileContents(fileName, bytes).ok) throw std::runtime_error("cannot write a test file");
}

bool FileExists(const std::wstring& fileName) {
  return GetFileAttributesW(fileName.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace frontsmith_test
