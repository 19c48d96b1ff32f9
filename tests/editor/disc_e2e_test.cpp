// The Disc menu end to end under Wine: the check's results window on a disc with
// planted problems, running the disc's menu, autorun.inf, and the description as the
// launcher shows it.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cwctype>
#include <string>
#include <vector>

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

// A disc folder: the build's skins, the given programs (empty files) and a bitmap
// picture \pics\a.bmp; the launcher and info.txt when asked for.
void MakeDisc(const TempFolder& disc, bool withLauncher, const std::vector<std::wstring>& programs) {
  CreateDirectoryW(disc.File(L"skin").c_str(), nullptr);
  CreateDirectoryW(disc.File(L"pics").c_str(), nullptr);
  for (const wchar_t* name : kSkinNames) {
    ASSERT_TRUE(CopyFileW((AppFolder() + L"\\skin\\" + name).c_str(), disc.File(L"skin\\" + std::wstring(name)).c_str(),
                          FALSE));
  }
  ASSERT_TRUE(CopyFileW((AppFolder() + L"\\skin\\button.bmp").c_str(), disc.File(L"pics\\a.bmp").c_str(), FALSE));
  for (const std::wstring& program : programs) {
    CreateDirectoryW(FolderOf(disc.File(program)).c_str(), nullptr);
    WriteBytes(disc.File(program), "MZ");
  }
  if (withLauncher) {
    ASSERT_TRUE(CopyFileW((AppFolder() + L"\\discfront.exe").c_str(), disc.File(L"discfront.exe").c_str(), FALSE));
    WriteBytes(disc.File(L"info.txt"), "Test disc\r\n");
  }
}

void OpenCatalogue(Frontsmith& editor, const std::wstring& file) {
  editor.Key('O', kCtrl);
  HWND dialog = WaitForFileDialog(editor.process().Id());
  ASSERT_NE(dialog, nullptr) << "no Open dialog";
  ChooseFile(dialog, file);
  editor.Settle();
}

// The dialog of the text dialogs with this caption, once it is there.
HWND WaitForTextDialog(Frontsmith& editor, const std::wstring& caption) {
  return WaitForWindow({.className = L"#32770", .title = caption, .processId = editor.process().Id()});
}

void AnswerTextDialog(HWND dialog, const std::wstring& text) {
  SetText(FindChild(dialog, {.id = kDialogText}), text);
  PressButton(FindChild(dialog, {.className = L"Button", .id = IDOK}));
}

// The launcher's window started from the disc (by the editor or by the test), once it
// lists `count` titles; closed by the caller.
HWND WaitForLauncher(std::vector<std::wstring>& titles, std::size_t count) {
  HWND form = WaitForWindow({.title = L"Korvel Discfront BETA"});
  if (form == nullptr) return nullptr;
  HWND list = WaitForChild(form, {.className = L"ListBox"});
  WaitUntil([&] { return (titles = ListBoxItems(list)).size() == count; });
  return form;
}

void CloseLauncher(HWND form) {
  DWORD processId = 0;
  GetWindowThreadProcessId(form, &processId);
  if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId)) {
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 10000);
    CloseHandle(process);
  }
}

TEST(DiscMenu, EachCommandNeedsASavedCatalogueFirst) {
  Frontsmith editor;
  for (int command : {kMenuDiscCheck, kMenuDiscRun, kMenuDiscAutorun, kMenuDiscDescription}) {
    editor.Menu(command);
    HWND box = WaitForMessageBox(editor.process().Id());
    ASSERT_NE(box, nullptr) << command;
    const MessageBoxInfo info = ReadMessageBox(box);
    EXPECT_EQ(info.text, L"Сначала сохраните каталог.") << command;
    EXPECT_EQ(info.icon, IconKind::kInformation) << command;
    PressMessageBoxButton(box, IDOK);
  }
}

TEST(DiscCheckWindow, ListsThePlantedProblemsAndShowsTheRecordOfADoubleClickedLine) {
  TempFolder disc;
  MakeDisc(disc, false, {L"setup.exe", L"My Tools\\setup.exe"});
  DeleteFileW(disc.File(L"skin\\buttonmove.bmp").c_str());
  WriteBytes(disc.File(L"skin\\back.bmp"), "not a bitmap");
  WriteBytes(disc.File(L"pics\\bad.bmp"), "not a picture either");
  const std::vector<CatalogueEntry> records = {
      {L"\\setup.exe", L"Офис", L"Установка", L"\\pics\\a.bmp"},
      {L"\\missing.exe", L"Нет программы", L"c", L"none"},
      {L"\\setup.exe", L"Нет картинки", L"c", L"None"},
      {L"\\setup.exe", L"Плохая картинка", L"c", L"\\pics\\bad.bmp"},
      {L"\\My Tools\\setup.exe /quiet", L"С ключом", L"c", L"\\pics\\a.bmp"},
  };
  WriteBytes(disc.File(L"content.lnc"), CatalogueBytes(records));
  Frontsmith editor;
  OpenCatalogue(editor, disc.File(L"content.lnc"));
  // Typed, not yet stored: "$" in the title would split the record on reading.
  editor.Type({L"\\setup.exe", L"Офис$2", L"Установка", L"\\pics\\a.bmp"});
  editor.Key(VK_F5);
  HWND check = WaitForWindow({.className = kCheckClass, .processId = editor.process().Id()});
  ASSERT_NE(check, nullptr);
  HWND list = FindChild(check, {.className = L"ListBox"});
  const std::vector<std::wstring> expected = {
      L"Нет программы меню «\\discfront.exe».",
      L"Нет описания диска «\\info.txt»: discfront не запустится.",
      L"Нет рисунка оформления «\\skin\\buttonmove.bmp»: discfront не запустится.",
      L"Рисунок оформления «\\skin\\back.bmp» не читается как точечный рисунок (BMP).",
      L"Запись номер 1 «Офис$2»: поле «Название программы» после сохранения прочитается иначе: «Офис».",
      L"Запись номер 1 «Офис$2»: поле «Коментарий к программе» после сохранения прочитается иначе: «2$Установка».",
      L"Запись номер 2 «Нет программы»: программа не найдена: «\\missing.exe» (discfront скажет «Файл не найден.»).",
      L"Запись номер 3 «Нет картинки»: картинка не найдена: «None». Если картинки нет, пишите none строчными буквами.",
      L"Запись номер 4 «Плохая картинка»: картинка «\\pics\\bad.bmp» не читается (это не картинка или файл повреждён).",
  };
  std::vector<std::wstring> lines;
  EXPECT_TRUE(WaitUntil([&] {
    return GetText(FindChild(check, {.id = 102})).starts_with(L"Проверка закончена") &&
           (lines = ListBoxItems(list)).size() >= expected.size();
  }));
  EXPECT_EQ(lines, expected);
  EXPECT_TRUE(SaveScreenshot(check, OwnFolder() + L"\\disc_check.png"));

  // Back to what was typed first, so that the editor may leave record 1.
  editor.Type({L"\\setup.exe", L"Офис", L"Установка", L"\\pics\\a.bmp"});
  ASSERT_TRUE(BringToFront(check));
  const RECT line = ListBoxItemRect(list, 7);
  DoubleClick({(line.left + line.right) / 2, (line.top + line.bottom) / 2});
  EXPECT_TRUE(WaitUntil([&] { return editor.Selected() == 2; }));
  editor.Settle();
  EXPECT_EQ(editor.Shown(), records[2]);

  // Esc closes the finished check; a clean disc is one line.
  WriteBytes(disc.File(L"content.lnc"), CatalogueBytes({records[0], records[4]}));
  MakeDisc(disc, true, {});
  OpenCatalogue(editor, disc.File(L"content.lnc"));
  editor.Key(VK_F5);
  EXPECT_TRUE(WaitForWindowGone(check));
  check = WaitForWindow({.className = kCheckClass, .processId = editor.process().Id()});
  ASSERT_NE(check, nullptr);
  list = FindChild(check, {.className = L"ListBox"});
  EXPECT_TRUE(WaitUntil([&] { return ListBoxItems(list) == std::vector<std::wstring>{L"Проблем не найдено: диск готов."}; }));
  ASSERT_TRUE(BringToFront(check));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitForWindowGone(check));
}

// A 24-bit bitmap file of the given size, one colour.
std::string BitmapFile(int width, int height) {
  const int image = width * 3 * height;  // rows of a multiple of 4 bytes when width is
  std::string bytes(54, '\0');
  auto put = [&](int at, int value) {
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(at + i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put(2, 54 + image);
  put(10, 54);
  put(14, 40);
  put(18, width);
  put(22, height);
  bytes[26] = 1;
  bytes[28] = 24;
  return bytes + std::string(static_cast<std::size_t>(image), '\x40');
}

TEST(DiscCheckWindow, EscStopsACheckOf1001PicturesWhileItRuns) {
  TempFolder disc;
  MakeDisc(disc, true, {L"setup.exe"});
  // Each record names one of a few large pictures in a spelling of its own ("\PiCs\.\b1.bmp"),
  // so that every record makes the picture loader read a large file and the check runs
  // long enough to be stopped.
  std::vector<CatalogueEntry> records;
  for (int f = 0; records.size() < 1001; ++f) {
    const std::wstring name = L"b" + std::to_wstring(f) + L".bmp";
    WriteBytes(disc.File(L"pics\\" + name), BitmapFile(1400, 1000));
    for (int spelling = 0; spelling < 16 * 13 && records.size() < 1001; ++spelling) {
      std::wstring folder = L"pics";
      for (int i = 0; i < 4; ++i) {
        if ((spelling >> i) & 1) folder[static_cast<std::size_t>(i)] = towupper(folder[static_cast<std::size_t>(i)]);
      }
      for (int dots = spelling / 16; dots > 0; --dots) folder += L"\\.";
      records.push_back({L"\\setup.exe", L"T" + std::to_wstring(records.size()), L"c", L"\\" + folder + L"\\" + name});
    }
  }
  WriteBytes(disc.File(L"content.lnc"), CatalogueBytes(records));
  Frontsmith editor;
  OpenCatalogue(editor, disc.File(L"content.lnc"));
  editor.Key(VK_F5);
  HWND check = WaitForWindow({.className = kCheckClass, .processId = editor.process().Id()});
  ASSERT_NE(check, nullptr);
  HWND progress = FindChild(check, {.id = 101});
  HWND status = FindChild(check, {.id = 102});
  auto position = [&] { return static_cast<int>(Send(progress, PBM_GETPOS)); };
  ASSERT_TRUE(WaitUntil([&] { return position() > 0; })) << "the progress bar does not move";
  ASSERT_TRUE(BringToFront(check));
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return GetText(status).starts_with(L"Проверка прервана"); })) << "Esc did not stop it";
  const int stopped = position();
  EXPECT_LT(stopped, 1001);
  EXPECT_FALSE(WaitUntil([&] { return position() != stopped; }, Milliseconds{500})) << "it went on after Esc";
  EXPECT_EQ(GetText(status), L"Проверка прервана: проверено записей " + std::to_wstring(stopped) + L" из 1001.");
  PressKey(VK_ESCAPE);  // a second Esc closes the window
  EXPECT_TRUE(WaitForWindowGone(check));
}

TEST(DiscMenu, F9SavesAndStartsTheDiscsLauncherWhichListsTheSavedTitles) {
#ifndef FRONTSMITH_TEST_HAVE_LAUNCHER
  GTEST_SKIP() << "the launcher (target discfront) is not part of this build";
#else
  TempFolder disc;
  MakeDisc(disc, true, {L"setup.exe"});
  const std::vector<CatalogueEntry> records = {{L"\\setup.exe", L"Офис", L"Установка", L"none"}};
  WriteBytes(disc.File(L"content.lnc"), CatalogueBytes(records));
  Frontsmith editor;
  OpenCatalogue(editor, disc.File(L"content.lnc"));
  editor.Press(kCmdPaste);
  editor.Type({L"\\setup.exe", L"Драйверы", L"Новая запись", L"none"});
  editor.Key(VK_F9);
  std::vector<std::wstring> titles;
  HWND form = WaitForLauncher(titles, 2);
  ASSERT_NE(form, nullptr) << "the launcher did not start";
  EXPECT_EQ(titles, (std::vector<std::wstring>{L"Офис", L"Драйверы"}));
  CloseLauncher(form);
  EXPECT_EQ(ReadBytes(disc.File(L"content.lnc")),
            CatalogueBytes({records[0], {L"\\setup.exe", L"Драйверы", L"Новая запись", L"none"}}));

  // Without a launcher on the disc the editor says so.
  DeleteFileW(disc.File(L"discfront.exe").c_str());
  editor.Key(VK_F9);
  HWND box = WaitForMessageBox(editor.process().Id());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(ReadMessageBox(box).text, L"В папке диска нет программы меню «" + disc.File(L"discfront.exe") +
                                          L"». Положите discfront.exe рядом с каталогом.");
  PressMessageBoxButton(box, IDOK);
#endif
}

TEST(DiscMenu, AutorunInfIsWrittenInUnicodeAndASecondWriteAsksFirst) {
  TempFolder disc;
  MakeDisc(disc, false, {});
  WriteBytes(disc.File(L"content.lnc"), CatalogueBytes({{L"\\a.exe", L"A", L"c", L"none"}}));
  Frontsmith editor;
  OpenCatalogue(editor, disc.File(L"content.lnc"));
  const std::wstring autorun = disc.File(L"autorun.inf");
  editor.Menu(kMenuDiscAutorun);
  HWND dialog = WaitForTextDialog(editor, L"Создать autorun.inf");
  ASSERT_NE(dialog, nullptr);
  // The folder's name is offered first.
  const std::wstring folder = FolderOf(autorun);
  const std::wstring folderName = folder.substr(folder.rfind(L'\\') + 1);
  EXPECT_EQ(GetText(FindChild(dialog, {.id = kDialogText})), folderName);
  AnswerTextDialog(dialog, L"Мой диск");
  // The safe replace may still hold the new file for a moment after it appears.
  std::string bytes;
  ASSERT_TRUE(WaitUntil([&] { return FileExists(autorun) && (bytes = ReadBytes(autorun)) != "<unreadable>"; }));
  const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
  EXPECT_EQ(text, L"\uFEFF[autorun]\r\nopen=discfront.exe\r\nicon=discfront.exe\r\nlabel=Мой диск\r\n");

  editor.Menu(kMenuDiscAutorun);
  dialog = WaitForTextDialog(editor, L"Создать autorun.inf");
  ASSERT_NE(dialog, nullptr);
  AnswerTextDialog(dialog, L"Другая метка");
  HWND box = WaitForMessageBox(editor.process().Id());
  ASSERT_NE(box, nullptr);
  const MessageBoxInfo info = ReadMessageBox(box);
  EXPECT_EQ(info.text, L"Файл «" + autorun + L"» уже есть. Заменить его?");
  EXPECT_EQ(info.icon, IconKind::kQuestion);
  PressMessageBoxButton(box, IDNO);
  editor.Settle();
  EXPECT_EQ(ReadBytes(autorun), bytes);
}

TEST(DiscMenu, TheDescriptionTypedWithACommaAndTwoLinesIsShownByTheLauncherExactlySo) {
  TempFolder disc;
  MakeDisc(disc, true, {});
  WriteBytes(disc.File(L"content.lnc"), CatalogueBytes({{L"\\a.exe", L"A", L"c", L"none"}}));
  Frontsmith editor;
  OpenCatalogue(editor, disc.File(L"content.lnc"));
  const std::wstring typed = L"Офис, драйверы и утилиты.\r\nВторая строка";
  editor.Menu(kMenuDiscDescription);
  HWND dialog = WaitForTextDialog(editor, L"Описание диска");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(GetText(FindChild(dialog, {.id = kDialogText})), L"Test disc");  // as the launcher reads it
  // Text that cannot be written whole is refused and stays in the dialog.
  AnswerTextDialog(dialog, L"\"В кавычках\", с запятой");
  HWND box = WaitForMessageBox(editor.process().Id());
  ASSERT_NE(box, nullptr);
  EXPECT_NE(ReadMessageBox(box).text.find(L"Описание не сохранено"), std::wstring::npos);
  PressMessageBoxButton(box, IDOK);
  EXPECT_EQ(GetText(FindChild(dialog, {.id = kDialogText})), L"\"В кавычках\", с запятой");
  AnswerTextDialog(dialog, typed);
  ASSERT_TRUE(WaitForWindowGone(dialog));
#ifdef FRONTSMITH_TEST_HAVE_LAUNCHER
  Process launcher = Process::Start(disc.File(L"discfront.exe"));
  HWND form = WaitForWindow({.processId = launcher.Id()});
  ASSERT_NE(form, nullptr);
  HWND aboutProg = WaitForChild(form, {.className = L"Edit"});
  ASSERT_NE(aboutProg, nullptr);
  EXPECT_EQ(GetText(aboutProg), typed);
  launcher.Kill();
#endif
}

}  // namespace
}  // namespace frontsmith_test
