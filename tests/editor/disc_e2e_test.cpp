// The Disc menu end to end under Wine: the check's results window on a disc with
// planted problems, running the disc's menu, autorun.inf, and the description.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/item_reader.h"
#include "catalogue/line_format.h"
#include "frontsmith_driver.h"
#include "uidriver/uidriver.h"

namespace frontsmith_test {
namespace {

using namespace uidriver;

constexpr wchar_t kCheckClass[] = L"FrontsmithDiscCheck";
constexpr int kDialogText = 100;  // the edit box of the text dialogs

const wchar_t* const kSkinNames[] = {L"back.bmp", L"button.bmp", L"buttonmove.bmp", L"buttondown.bmp"};

std::string CatalogueBytes(const std::vector<CatalogueEntry>& entries) {
  std::string bytes;
  discfront::EncodeFailure failure;
  if (!discfront::EncodeCatalogue(entries, bytes, failure)) throw std::runtime_error("unencodable test catalogue");
  return bytes;
}

// A disc folder: the build's skins, the given programs (each a copy of a sample
// program beside the test) and a bitmap picture \pics\a.bmp.
void MakeDisc(const TempFolder& disc, const std::vector<std::pair<std::wstring, std::wstring>>& programs) {
  CreateDirectoryW(disc.File(L"skin").c_str(), nullptr);
  CreateDirectoryW(disc.File(L"pics").c_str(), nullptr);
  for (const wchar_t* name : kSkinNames) {
    ASSERT_TRUE(CopyFileW((AppFolder() + L"\\skin\\" + name).c_str(), disc.File(L"skin\\" + std::wstring(name)).c_str(),
                          FALSE));
  }
  ASSERT_TRUE(CopyFileW((AppFolder() + L"\\skin\\button.bmp").c_str(), disc.File(L"pics\\a.bmp").c_str(), FALSE));
  for (const auto& [program, sample] : programs) {
    CreateDirectoryW(FolderOf(disc.File(program)).c_str(), nullptr);
    ASSERT_TRUE(CopyFileW((AppFolder() + L"\\" + sample).c_str(), disc.File(program).c_str(), FALSE));
  }
}

// The dialog of the text dialogs with this caption, once it is there.
HWND WaitForTextDialog(Frontsmith& editor, const std::wstring& caption) {
  return WaitForWindow({.className = L"#32770", .title = caption, .processId = editor.process().Id()});
}

void AnswerTextDialog(HWND dialog, const std::wstring& text) {
  SetText(FindChild(dialog, {.id = kDialogText}), text);
  PressButton(FindChild(dialog, {.className = L"Button", .id = IDOK}));
}

// One start walks the Disc menu's commands in turn.
TEST(DiscMenu, WalksItsCommandsFromOneStart) {
  TempFolder disc;
  MakeDisc(disc, {{L"setup.exe", L"hello.exe"}, {L"My Tools\\setup.exe", L"admin.exe"}});
  std::vector<CatalogueEntry> records = {
      {L"\\setup.exe", L"Офис", L"Установка", L"\\pics\\a.bmp"},
      {L"\\missing.exe", L"Нет программы", L"c", L"none"},
      {L"\\My Tools\\setup.exe /quiet", L"С ключом", L"c", L"\\pics\\a.bmp"},
  };
  WriteBytes(disc.File(L"content.lnc"), CatalogueBytes(records));
  Frontsmith editor;
  for (int command : {kMenuDiscCheck, kMenuDiscRun, kMenuDiscAutorun, kMenuDiscDescription, kMenuDiscImage,
                      kMenuDiscEntryIcons}) {
    SCOPED_TRACE("each command needs a saved catalogue first");
    editor.Menu(command);
    const MessageBoxInfo info = editor.TakeMessageBox();
    EXPECT_EQ(info.text, L"Сначала сохраните каталог.") << command;
    EXPECT_EQ(info.icon, IconKind::kInformation) << command;
  }
  ASSERT_TRUE(editor.Open(disc.File(L"content.lnc")));
  {
    // Which problems the check finds, and their lines, are the disc check's tables; here
    // one of a kind: the disc's own files, a typed record not yet stored, a program; then
    // what each record starts, with the machine this build's programs are made for.
    SCOPED_TRACE("the check's window lists the problems and shows the record of a double-clicked line");
    // Typed, not yet stored: "$" in the title would split the record on reading.
    editor.Type({L"\\setup.exe", L"Офис$2", L"Установка", L"\\pics\\a.bmp"});
    editor.Key(VK_F5);
    HWND check = WaitForWindow({.className = kCheckClass, .processId = editor.process().Id()});
    ASSERT_NE(check, nullptr);
    HWND list = FindChild(check, {.className = L"ListBox"});
    const std::wstring machine = sizeof(void*) == 8 ? L"x64" : L"x86";
    auto not32Bit = [&](const std::wstring& record, const std::wstring& file) {
      return machine == L"x86" ? std::vector<std::wstring>{}
                               : std::vector<std::wstring>{record + L"программа для x64 «" + file +
                                                           L"»: она не запустится на 32-разрядной Windows."};
    };
    std::vector<std::wstring> expected = {
        L"Нет программы меню «\\discfront.exe».",
        L"Нет описания диска «\\info.txt»: discfront не запустится.",
    };
    for (const std::vector<std::wstring>& part : {
             not32Bit(L"Запись номер 1 «Офис$2»: ", L"\\setup.exe"),
             std::vector<std::wstring>{
                 L"Запись номер 1 «Офис$2»: поле «Название программы» после сохранения прочитается иначе: «Офис».",
                 L"Запись номер 1 «Офис$2»: поле «Коментарий к программе» после сохранения прочитается иначе: "
                 L"«2$Установка».",
                 L"Запись номер 2 «Нет программы»: программа не найдена: «\\missing.exe» "
                 L"(discfront скажет «Файл не найден.»)."},
             not32Bit(L"Запись номер 3 «С ключом»: ", L"\\My Tools\\setup.exe"),
             std::vector<std::wstring>{
                 L"Что запускают записи:",
                 L"Запись номер 1 «Офис$2»: «\\setup.exe» — программа для " + machine + L", оконная.",
                 L"Запись номер 3 «С ключом»: «\\My Tools\\setup.exe» — программа для " + machine +
                     L", оконная, просит права администратора."}}) {
      expected.insert(expected.end(), part.begin(), part.end());
    }
    std::vector<std::wstring> lines;
    EXPECT_TRUE(WaitUntil([&] {
      return GetText(FindChild(check, {.id = 102})).starts_with(L"Проверка закончена") &&
             (lines = ListBoxItems(list)).size() >= expected.size();
    }));
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(SaveScreenshot(check, OwnFolder() + L"\\disc_check.png"));
    // Back to what was typed first, so that the editor may leave record 1.
    editor.Type(records[0]);
    ASSERT_TRUE(BringToFront(check));
    const auto missing = std::find_if(lines.begin(), lines.end(),
                                      [](const std::wstring& l) { return l.starts_with(L"Запись номер 2"); });
    ASSERT_NE(missing, lines.end());
    const RECT line = ListBoxItemRect(list, static_cast<int>(missing - lines.begin()));
    DoubleClick({(line.left + line.right) / 2, (line.top + line.bottom) / 2});
    EXPECT_TRUE(WaitUntil([&] { return editor.Selected() == 1; }));
    editor.Settle();
    EXPECT_EQ(editor.Shown(), records[1]);
  }
  // The disc gets its launcher and description.
  ASSERT_TRUE(CopyFileW((AppFolder() + L"\\discfront.exe").c_str(), disc.File(L"discfront.exe").c_str(), FALSE));
  WriteBytes(disc.File(L"info.txt"), "Test disc\r\n");
#ifdef FRONTSMITH_TEST_HAVE_LAUNCHER
  {
    // How the launcher shows line breaks is the edit-box rule's table.
    SCOPED_TRACE("F9 saves what was typed, in several scripts as UTF-8, and starts the disc's launcher, which shows it");
    editor.Navigate(2);
    editor.Press(kCmdPaste);
    records.push_back({L"\\setup.exe", L"Drivers  · Ελληνικά · 中文 ", L"Crème, utilités\r\nγια 显卡", L"none"});
    editor.Type(records[3]);
    editor.Key(VK_F9);
    EXPECT_EQ(editor.TakeMessageBox().text, L"Файл «" + disc.File(L"content.lnc") +
                                                L"» сохранён в кодировке UTF-8: в нём есть символы, которых нет в "
                                                L"кодировке Windows-1251. Прежние версии discfront его не покажут.");
    HWND form = WaitForWindow({.title = L"Korvel Discfront BETA"});
    ASSERT_NE(form, nullptr) << "the launcher did not start";
    DWORD launcherId = 0;
    GetWindowThreadProcessId(form, &launcherId);
    HWND list = WaitForChild(form, {.className = L"ListBox"});
    std::vector<std::wstring> titles;
    for (const CatalogueEntry& record : records) titles.push_back(record.title);
    EXPECT_TRUE(WaitUntil([&] { return ListBoxItems(list) == titles; })) << ListBoxItems(list).size();
    HWND aboutProg = FindChild(form, {.className = L"Edit"});
    SelectListBoxItem(list, 3);
    EXPECT_TRUE(WaitUntil([&] { return GetText(aboutProg) == records[3].comment; })) << GetText(aboutProg).size();
    if (HANDLE launcher = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, launcherId)) {
      TerminateProcess(launcher, 0);
      WaitForSingleObject(launcher, 10000);
      CloseHandle(launcher);
    }
    EXPECT_EQ(ReadBytes(disc.File(L"content.lnc")), CatalogueBytes(records));
    ASSERT_TRUE(editor.Open(disc.File(L"content.lnc")));
    editor.Navigate(3);
    EXPECT_EQ(editor.Shown(), records[3]) << "read back by the editor";
  }
#endif
  {
    SCOPED_TRACE("autorun.inf is written in Unicode, and a second write asks first");
    const std::wstring autorun = disc.File(L"autorun.inf");
    std::string bytes;
    for (const wchar_t* label : {L"Мой диск", L"Другая метка"}) {
      editor.Menu(kMenuDiscAutorun);
      HWND dialog = WaitForTextDialog(editor, L"Создать autorun.inf");
      ASSERT_NE(dialog, nullptr);
      AnswerTextDialog(dialog, label);
      if (!bytes.empty()) break;
      // The safe replace may still hold the new file for a moment after it appears.
      ASSERT_TRUE(WaitUntil([&] { return FileExists(autorun) && (bytes = ReadBytes(autorun)) != "<unreadable>"; }));
      const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
      EXPECT_EQ(text, L"\uFEFF[autorun]\r\nopen=discfront.exe\r\nicon=discfront.exe\r\nlabel=Мой диск\r\n"
                      L"action=Мой диск\r\n");
    }
    const MessageBoxInfo info = editor.TakeMessageBox(IDNO);
    EXPECT_EQ(info.text, L"Файл «" + autorun + L"» уже есть. Заменить его?");
    EXPECT_EQ(info.icon, IconKind::kQuestion);
    editor.Settle();
    EXPECT_EQ(ReadBytes(autorun), bytes);
  }
  {
    SCOPED_TRACE("the description typed with a comma and two lines reads back exactly so");
    const std::wstring typed = L"Офис, драйверы и утилиты.\r\nВторая строка";
    editor.Menu(kMenuDiscDescription);
    HWND dialog = WaitForTextDialog(editor, L"Описание диска");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetText(FindChild(dialog, {.id = kDialogText})), L"Test disc");  // as the launcher reads it
    // Text that cannot be written whole is refused and stays in the dialog.
    AnswerTextDialog(dialog, L"\"В кавычках\", с запятой");
    EXPECT_NE(editor.TakeMessageBox().text.find(L"Описание не сохранено"), std::wstring::npos);
    EXPECT_EQ(GetText(FindChild(dialog, {.id = kDialogText})), L"\"В кавычках\", с запятой");
    AnswerTextDialog(dialog, typed);
    ASSERT_TRUE(WaitForWindowGone(dialog));
    // The launcher reads the file with the item reader.
    EXPECT_TRUE(WaitUntil([&] { return discfront::JoinItems(ReadBytes(disc.File(L"info.txt"))) == typed; }));
  }
  {
    SCOPED_TRACE("the menu's switches turn their lines of discfront.ini on and off, every other line kept");
    const std::wstring ini = disc.File(L"discfront.ini");
    WriteBytes(ini, "; mine\nLanguage=en\r\n");
    const struct {
      int command;
      std::string after;
    } steps[] = {
        {kMenuDiscEntryIcons, "; mine\r\nLanguage=en\r\nEntryIcons=yes\r\n"},
        {kMenuDiscCloseAfterStart, "; mine\r\nLanguage=en\r\nEntryIcons=yes\r\nCloseAfterStart=yes\r\n"},
        {kMenuDiscEntryIcons, "; mine\r\nLanguage=en\r\nCloseAfterStart=yes\r\n"},
    };
    // The rows of the check marks the Disc menu shows when it opens: where its left
    // margin has the menu's text colour.
    auto checkMarks = [&] {
      for (WORD key : {VK_F10, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN}) editor.Key(key);  // File, Edit, Records, Disc
      std::vector<int> rows;
      HWND popup = WaitForWindow({.className = L"#32768", .processId = editor.process().Id()});
      if (popup == nullptr) return rows;
      const Image menu = CaptureWindow(popup);
      for (int y = 0, inMark = 0; y < menu.height; ++y) {
        int ink = 0;
        for (int x = 2; x < std::min(14, menu.width); ++x) ink |= menu.Pixel(x, y) == GetSysColor(COLOR_MENUTEXT);
        if (ink && !inMark) rows.push_back(y);
        inMark = ink;
      }
      editor.Key(VK_ESCAPE);
      editor.Key(VK_ESCAPE);
      EXPECT_TRUE(WaitForWindowGone(popup));
      return rows;
    };
    std::vector<std::vector<int>> marks;
    for (const auto& step : steps) {
      editor.Menu(step.command);
      editor.Settle();  // read while the editor replaces it, the file could not be replaced
      EXPECT_EQ(ReadBytes(ini), step.after);
      marks.push_back(checkMarks());
    }
    // Icons on, then both, then closing alone: the second shows the first's mark and the third's.
    ASSERT_EQ(marks[0].size(), 1u);
    ASSERT_EQ(marks[2].size(), 1u);
    EXPECT_LT(marks[0][0], marks[2][0]);
    EXPECT_EQ(marks[1], (std::vector<int>{marks[0][0], marks[2][0]}));
    EXPECT_TRUE(editor.NoMessageBox());
  }
#ifdef FRONTSMITH_TEST_HAVE_LAUNCHER
  // Without a launcher on the disc F9 says so.
  DeleteFileW(disc.File(L"discfront.exe").c_str());
  editor.Key(VK_F9);
  EXPECT_EQ(editor.TakeMessageBox().text, L"В папке диска нет программы меню «" + disc.File(L"discfront.exe") +
                                              L"». Положите discfront.exe рядом с каталогом.");
#endif
}

}  // namespace
}  // namespace frontsmith_test
