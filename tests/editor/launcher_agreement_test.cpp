// The two programs agree: the launcher, started on a folder holding a catalogue the
// editor wrote, lists the same titles in the same order as the editor shows them, and
// what the author typed (commas, line breaks, blanks, quotes) comes back whole in both.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontsmith_driver.h"
#include "uidriver/uidriver.h"

namespace frontsmith_test {
namespace {

using namespace uidriver;

TEST(TwoProgramsAgree, LauncherShowsWhatTheAuthorTypedInTheEditor) {
#ifndef FRONTSMITH_TEST_HAVE_LAUNCHER
  GTEST_SKIP() << "the launcher (target discfront) is not part of this build";
#else
  // The second comment is typed key by key, on two lines.
  const std::wstring typedComment = L"Драйверы, утилиты\r\nдля видеокарты";
  const std::vector<CatalogueEntry> records = {
      {L"\\setup\\setup.exe", L"Офисный пакет", L"Установка «офисного» \"пакета\"", L"\\pics\\office.bmp"},
      {L"\\drivers\\install.exe", L"Драйверы  и утилиты ", typedComment, L"none"},
      {L"\\tools\\t.exe", L"Утилиты, архиваторы", L"Сжатие файлов", L"none"},
      {L"\\readme.txt", L"Прочти меня ё Ё №", L"Текст", L"none"},
  };
  TempFolder disc;
  ASSERT_TRUE(CopyFileW((AppFolder() + L"\\discfront.exe").c_str(), disc.File(L"discfront.exe").c_str(), FALSE));
  WriteBytes(disc.File(L"info.txt"), "Test disc\r\n");
  // The sample disc's skins, which the build copies beside the programs.
  CreateDirectoryW(disc.File(L"skin").c_str(), nullptr);
  for (const wchar_t* name : {L"\\back.bmp", L"\\button.bmp", L"\\buttonmove.bmp", L"\\buttondown.bmp"}) {
    ASSERT_TRUE(CopyFileW((AppFolder() + L"\\skin" + name).c_str(), (disc.File(L"skin") + name).c_str(), FALSE));
  }

  std::vector<std::wstring> editorTitles;
  {
    Frontsmith editor;
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (i > 0) editor.Press(kCmdPaste);
      CatalogueEntry typed = records[i];
      if (typed.comment == typedComment) typed.comment.clear();
      editor.Type(typed);
      if (!typed.comment.empty()) continue;
      ASSERT_TRUE(BringToFront(editor.main()));
      ClickWindow(editor.Control(kTxtCom));
      TypeText(L"Драйверы, утилиты");
      PressKey(VK_RETURN);
      TypeText(L"для видеокарты");
      ASSERT_TRUE(WaitUntil([&] { return GetText(editor.Control(kTxtCom)) == typedComment; }));
    }
    editor.Menu(kMenuSaveAs);
    HWND dialog = WaitForFileDialog(editor.process().Id());
    ASSERT_NE(dialog, nullptr);
    ChooseFile(dialog, disc.File(L"content.lnc"));
    editor.Settle();
    ASSERT_TRUE(FileExists(disc.File(L"content.lnc")));
    // What the editor itself reads back.
    editor.Key('O', kCtrl);
    dialog = WaitForFileDialog(editor.process().Id());
    ASSERT_NE(dialog, nullptr);
    ChooseFile(dialog, disc.File(L"content.lnc"));
    editor.Settle();
    ASSERT_EQ(editor.Labels().size(), records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
      editor.Navigate(static_cast<int>(i));
      EXPECT_EQ(editor.Shown(), records[i]);
      editorTitles.push_back(editor.Shown().title);
    }
  }

  Process launcher = Process::Start(disc.File(L"discfront.exe"));
  HWND form = WaitForWindow({.processId = launcher.Id()});
  ASSERT_NE(form, nullptr) << "the launcher's window did not appear";
  HWND list = WaitForChild(form, {.className = L"ListBox"});
  ASSERT_NE(list, nullptr);
  std::vector<std::wstring> launcherTitles;
  WaitUntil([&] { return (launcherTitles = ListBoxItems(list)).size() == records.size(); });
  EXPECT_EQ(launcherTitles, editorTitles);
  // The typed comment, with its comma and its line break.
  HWND aboutProg = FindChild(form, {.className = L"Edit"});
  ASSERT_NE(aboutProg, nullptr);
  SelectListBoxItem(list, 1);
  EXPECT_TRUE(WaitUntil([&] { return GetText(aboutProg) == typedComment; })) << "shown: " << GetText(aboutProg).size();
  launcher.Kill();
#endif
}

}  // namespace
}  // namespace frontsmith_test
