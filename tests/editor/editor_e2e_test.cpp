// frontsmith end to end under Wine: the real window, the real Open and Save As
// dialogs, message boxes with their icons, files on disk, and the safe replace on save.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontsmith_driver.h"
#include "uidriver/uidriver.h"
#include "win32/atomic_file.h"

namespace frontsmith_test {
namespace {

using namespace uidriver;
using Labels = std::vector<std::wstring>;

const CatalogueEntry kOffice{L"\\setup.exe", L"Офис", L"Установка офисного пакета", L"\\pics\\office.bmp"};
const CatalogueEntry kDrivers{L"\\drv\\install.exe", L"Drivers", L"Drivers and utilities", L"none"};

// kOffice and kDrivers as the file holds them: one Windows-1251 line each, CR LF.
const std::string kOfficeLine =
    "&\\setup.exe#\xCE\xF4\xE8\xF1$\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE0 "
    "\xEE\xF4\xE8\xF1\xED\xEE\xE3\xEE \xEF\xE0\xEA\xE5\xF2\xE0@\\pics\\office.bmp\r\n";
const std::string kDriversLine = "&\\drv\\install.exe#Drivers$Drivers and utilities@none\r\n";

// One start walks the window's kinds of behaviour in turn: the buttons, Save As and
// Open, files refused, the menu's mnemonics, a cancelled Open, a refused save, the empty
// list, New, and closing with unsaved changes.
TEST(FrontsmithWindow, WalksItsKindsOfBehaviourFromOneStart) {
  TempFolder folder;
  const std::wstring file = folder.File(L"content.lnc");
  Frontsmith editor;  // found by its caption
  EXPECT_EQ(editor.Labels(), Labels{L"Запись номер 1"});
  EXPECT_EQ(editor.Selected(), 0);
  EXPECT_EQ(editor.Shown(), CatalogueEntry{});
  EXPECT_EQ(GetText(editor.Control(kCmdPaste)), L"Вставаить");
  EXPECT_EQ(GetText(editor.Control(kCmdDel)), L"Удалить");
  for (const auto& [id, name] : {std::pair{kTxtNameSoft, L"Название программы:"}, {kTxtWay, L"Путь к программе:"},
                                 {kTxtPic, L"Картинка к программе:"}, {kTxtCom, L"Коментарий к программе:"},
                                 {kZap, L"Номер записи:"}, {kCmdPaste, L"Вставаить"}}) {
    const AccessibleReading read = ReadAccessible(editor.Control(id));
    EXPECT_EQ(read.name, name) << "a screen reader names each field by its label, a button by its caption";
    EXPECT_NE(read.role, 10) << name << " reads as a mere client area";
  }
  {
    SCOPED_TRACE("Save As writes the catalogue layout, the record being edited included");
    editor.Type(kOffice);
    editor.Press(kCmdPaste);
    EXPECT_EQ(editor.Labels(), (Labels{L"Запись номер 1", L"Запись номер 2"}));
    EXPECT_EQ(editor.Selected(), 1);
    EXPECT_EQ(editor.Shown(), CatalogueEntry{});
    editor.Type(kDrivers);  // typed, not navigated away: it reaches the file all the same
    ASSERT_TRUE(editor.SaveAs(file));
    ASSERT_TRUE(editor.NoMessageBox());
    EXPECT_EQ(ReadBytes(file), kOfficeLine + kDriversLine);
    EXPECT_EQ(folder.Files(), std::vector<std::wstring>{L"content.lnc"});
  }
  {
    SCOPED_TRACE("Open replaces the whole list, or refuses a file that cannot be read whole");
    WriteBytes(folder.File(L"five.lnc"), kDriversLine + kDriversLine + kDriversLine + kDriversLine + kDriversLine);
    WriteBytes(folder.File(L"busy.lnc"), kOfficeLine);
    // Held open without sharing: the editor cannot read it.
    HANDLE busy = CreateFileW(folder.File(L"busy.lnc").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(busy, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(editor.Open(folder.File(L"five.lnc")));  // just saved: Open asks nothing
    ASSERT_EQ(editor.Labels().size(), 5u);
    editor.Navigate(3);
    ASSERT_TRUE(editor.Open(file));
    EXPECT_EQ(editor.Labels(), (Labels{L"Запись номер 1", L"Запись номер 2"}));
    EXPECT_EQ(editor.Selected(), 0);
    EXPECT_EQ(editor.Shown(), kOffice);
    editor.Navigate(1);
    // Which files are broken is the line format's tables; a file held open stands for all.
    ASSERT_TRUE(editor.Open(folder.File(L"busy.lnc")));
    const MessageBoxInfo box = editor.TakeMessageBox();
    EXPECT_EQ(box.caption, L"frontsmith");
    EXPECT_NE(box.text.find(L"Не удалось прочитать файл «" + folder.File(L"busy.lnc")), std::wstring::npos);
    EXPECT_EQ(box.icon, IconKind::kError);
    EXPECT_EQ(editor.Labels(), (Labels{L"Запись номер 1", L"Запись номер 2"}));
    EXPECT_EQ(editor.Selected(), 1);
    EXPECT_EQ(editor.Shown(), kDrivers);
    CloseHandle(busy);
  }
  {
    SCOPED_TRACE("a menu item answers its mnemonic; Open asks first, and its Cancel changes nothing");
    ASSERT_TRUE(BringToFront(editor.main()));
    PressAccessKey(L'э');
    TypeText(L"в");  // Элементы > Вставить
    ASSERT_TRUE(WaitUntil([&] { return editor.Labels().size() == 3; }));
    EXPECT_EQ(editor.Selected(), 2);
    editor.Key('O', kCtrl);
    EXPECT_EQ(editor.TakeMessageBox(IDNO).text, L"Сохранить изменения?");
    HWND dialog = WaitForFileDialog(editor.process().Id());
    ASSERT_NE(dialog, nullptr);
    CancelDialog(dialog);
    editor.Settle();
    EXPECT_EQ(editor.Labels().size(), 3u);
    EXPECT_EQ(editor.Selected(), 2);
  }
  {
    // Which records are refused is the record store's and the line format's tables.
    SCOPED_TRACE("a refused save says why and writes nothing");
    const CatalogueEntry typed{L"\\a", L"t", L"\"Лучший\", быстрый", L"p"};
    editor.Type(typed);
    ASSERT_TRUE(editor.SaveAs(folder.File(L"refused.lnc")));
    const MessageBoxInfo box = editor.TakeMessageBox();
    EXPECT_EQ(box.caption, L"frontsmith");
    EXPECT_EQ(box.text,
              L"Файл не сохранён: в записи номер 3 поле «Коментарий к программе» содержит двойную кавычку (\") и "
              L"запятую или перевод строки. Запись с запятой или переводом строки не может содержать двойных "
              L"кавычек: замените их (например, на « ») или уберите запятые и переводы строк, затем сохраните снова.");
    EXPECT_EQ(box.icon, IconKind::kError);
    editor.Settle();
    EXPECT_EQ(editor.Shown(), typed);
    EXPECT_FALSE(FileExists(folder.File(L"refused.lnc")));
  }
  {
    SCOPED_TRACE("with no records nothing can be typed, and New forgets the file");
    for (int i = 0; i < 3; ++i) editor.Press(kCmdDel);
    EXPECT_TRUE(editor.Labels().empty());
    EXPECT_EQ(editor.Shown(), CatalogueEntry{});
    auto readOnly = [&] { return (GetWindowLongW(editor.Control(kTxtNameSoft), GWL_STYLE) & ES_READONLY) != 0; };
    EXPECT_TRUE(readOnly());
    editor.Press(kCmdPaste);
    const MessageBoxInfo box = editor.TakeMessageBox();
    EXPECT_EQ(box.text, L"У вас не заведена ни одна запись");
    EXPECT_EQ(box.icon, IconKind::kError);
    editor.Press(kCmdDel);  // nothing to delete: nothing happens
    EXPECT_TRUE(editor.NoMessageBox());
    // New asks about the deleted records, and Save then asks where instead of overwriting.
    editor.Key('N', kCtrl);
    EXPECT_EQ(editor.TakeMessageBox(IDNO).text, L"Сохранить изменения?");
    editor.Settle();
    EXPECT_EQ(editor.Labels(), Labels{L"Запись номер 1"});
    EXPECT_EQ(editor.Shown(), CatalogueEntry{});
    EXPECT_FALSE(readOnly());
    editor.Type(kDrivers);
    editor.Key('S', kCtrl);
    HWND dialog = WaitForFileDialog(editor.process().Id());
    ASSERT_NE(dialog, nullptr);
    CancelDialog(dialog);
    EXPECT_EQ(ReadBytes(file), kOfficeLine + kDriversLine);
  }
  {
    SCOPED_TRACE("closing with unsaved changes asks: Cancel keeps the editor, Yes saves where chosen");
    for (const int answer : {IDCANCEL, IDYES}) {
      PostMessageW(editor.main(), WM_CLOSE, 0, 0);
      const MessageBoxInfo info = editor.TakeMessageBox(answer);
      EXPECT_EQ(info.caption, L"frontsmith");
      EXPECT_EQ(info.text, L"Сохранить изменения?");
      EXPECT_EQ(info.icon, IconKind::kQuestion);
      EXPECT_EQ(info.buttons.size(), 3u);
      if (answer == IDCANCEL) editor.Settle();
    }
    HWND dialog = WaitForFileDialog(editor.process().Id());  // New forgot the file
    ASSERT_NE(dialog, nullptr);
    ChooseFile(dialog, folder.File(L"closed.lnc"));
    EXPECT_TRUE(editor.process().WaitForExit());
    EXPECT_EQ(ReadBytes(folder.File(L"closed.lnc")), kDriversLine);
  }
}

// Safe replace-on-save: the file gets the new bytes whole, or keeps the old ones with a
// reason, and no temporary file is left behind either way.
TEST(AtomicFile, ReplacesWithTheExactBytesOrNamesAReasonAndLeavesTheOldBytes) {
  TempFolder folder;
  const std::wstring name = folder.File(L"content.lnc");
  for (const std::string& bytes : {std::string("&a#b$c@d\r\n\0\xFF", 12), std::string(), std::string(3'000'000, 'x')}) {
    ASSERT_TRUE(win32::ReplaceFileContents(name, bytes).ok);
    EXPECT_EQ(ReadBytes(name), bytes);
  }
  ASSERT_TRUE(win32::ReplaceFileContents(name, "old").ok);
  ASSERT_TRUE(SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(CreateDirectoryW(folder.File(L"sub").c_str(), nullptr));
  const std::wstring targets[] = {name, folder.File(L"no such folder\\content.lnc"), folder.File(L"sub")};
  for (const std::wstring& target : targets) {
    const win32::FileWriteResult result = win32::ReplaceFileContents(target, "new");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
  }
  EXPECT_EQ(win32::ReplaceFileContents(name, "new").error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(ReadBytes(name), "old");
  EXPECT_EQ(folder.Files(), std::vector<std::wstring>{L"content.lnc"});
}

TEST(FrontsmithFiles, ASaveThatCannotBeWrittenLeavesTheOldFile) {
  // A read-only file, and (when the build could prepare one) a folder nothing may be
  // created in: the temporary file cannot be made there.
  TempFolder folder;
  const std::wstring readOnly = folder.File(L"readonly.lnc");
  WriteBytes(readOnly, kOfficeLine);
  SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
  std::vector<std::wstring> files = {readOnly};
  const std::wstring locked = OwnFolder() + L"\\locked\\content.lnc";
  const std::wstring probe = OwnFolder() + L"\\locked\\probe.tmp";
  HANDLE created = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  if (created != INVALID_HANDLE_VALUE) {
    CloseHandle(created);
    DeleteFileW(probe.c_str());
    ADD_FAILURE() << "the locked folder of the build is writable: the folder case was not checked";
  } else if (FileExists(locked)) {
    files.push_back(locked);
  }
  for (const std::wstring& file : files) {
    const std::string before = ReadBytes(file);
    Frontsmith editor;
    ASSERT_TRUE(editor.Open(file));
    editor.Type(kDrivers);
    editor.Key('S', kCtrl);
    const MessageBoxInfo box = editor.TakeMessageBox();
    EXPECT_NE(box.text.find(L"Не удалось сохранить файл «" + file + L"»"), std::wstring::npos);
    EXPECT_NE(box.text.find(L"Прежнее содержимое файла не изменено."), std::wstring::npos);
    EXPECT_EQ(box.icon, IconKind::kError);
    EXPECT_EQ(ReadBytes(file), before);
    editor.Settle();
    EXPECT_EQ(editor.Shown(), kDrivers);  // nothing typed is lost
  }
  EXPECT_EQ(folder.Files(), std::vector<std::wstring>{L"readonly.lnc"});
}

// Wine prefers its own copy of a system library to a file of that name that the
// search finds; while this lives, these programs prefer the file, as Windows does.
struct PreferFoundHelpLibrary {
  static constexpr const wchar_t* kKeys[] = {L"Software\\Wine\\AppDefaults\\frontsmith.exe",
                                             L"Software\\Wine\\AppDefaults\\rundll32.exe"};
  PreferFoundHelpLibrary() {
    for (const wchar_t* key : kKeys) {
      RegSetKeyValueW(HKEY_CURRENT_USER, (std::wstring(key) + L"\\DllOverrides").c_str(), L"hhctrl.ocx", REG_SZ,
                      L"native,builtin", sizeof L"native,builtin");
    }
  }
  ~PreferFoundHelpLibrary() {
    for (const wchar_t* key : kKeys) RegDeleteTreeW(HKEY_CURRENT_USER, key);
  }
};

TEST(FrontsmithHelp, F1OpensTheHelpViewerOnTopOfTheEditor) {
  // The hhctrl.ocx beside the editor is a planted stranger that leaves a trace when
  // loaded, as it does for a program that loads it by its path; the editor must take
  // the system's.
  const PreferFoundHelpLibrary preferFound;
  const std::wstring planted = AppFolder() + L"\\hhctrl.ocx";
  const std::wstring trace = planted + L".loaded";
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  uidriver::Process::Start(std::wstring(system) + L"\\rundll32.exe", L"\"" + planted + L"\",Probe").WaitForExit();
  ASSERT_TRUE(FileExists(trace)) << "the planted library leaves no trace";
  DeleteFileW(trace.c_str());

  Frontsmith editor;
  SetFocus(nullptr);
  editor.Key(VK_F1);
  HWND viewer = nullptr;
  const bool opened = WaitUntil([&] {
    for (HWND w : editor.process().Windows()) {
      if (w != editor.main() && ClassName(w) != L"#32770") viewer = w;
    }
    return viewer != nullptr;
  });
  EXPECT_FALSE(FileExists(trace)) << "the editor loaded the library planted beside it";
  if (!opened) {
    const MessageBoxInfo box = editor.TakeMessageBox();
    FAIL() << "no help viewer; the editor said: " << testing::PrintToString(box.text);
  }
  EXPECT_EQ(GetWindow(viewer, GW_OWNER), editor.main());
  EXPECT_TRUE(editor.NoMessageBox());
}

}  // namespace
}  // namespace frontsmith_test
