// The two programs agree: the launcher, started on a folder holding a catalogue the
// editor wrote, lists the same titles in the same order as the editor shows them.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "frontsmith_driver.h"
#include "uidriver/uidriver.h"

namespace frontsmith_test {
namespace {

using namespace uidriver;

// A plain 24-bit bitmap file of one colour, for the launcher's skin.
std::string SolidBitmap(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  const int rowBytes = (width * 3 + 3) / 4 * 4;
  const std::uint32_t pixelBytes = static_cast<std::uint32_t>(rowBytes * height);
  std::string file;
  auto put = [&file](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) file += static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  file += "BM";
  put(54 + pixelBytes, 4);
  put(0, 4);
  put(54, 4);
  put(40, 4);
  put(static_cast<std::uint32_t>(width), 4);
  put(static_cast<std::uint32_t>(height), 4);
  put(1, 2);
  put(24, 2);
  put(0, 4);
  put(pixelBytes, 4);
  put(2835, 4);
  put(2835, 4);
  put(0, 4);
  put(0, 4);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      file += static_cast<char>(b);
      file += static_cast<char>(g);
      file += static_cast<char>(r);
    }
    file.append(static_cast<std::size_t>(rowBytes - width * 3), '\0');
  }
  return file;
}

TEST(TwoProgramsAgree, LauncherListsTheTitlesTheEditorWrote) {
#ifndef FRONTSMITH_TEST_HAVE_LAUNCHER
  GTEST_SKIP() << "the launcher (target discfront) is not part of this build";
#else
  // Titles that survive the reading rule unchanged; and one with a comma, which both
  // programs read without the comma and the blanks after it.
  const std::vector<CatalogueEntry> records = {
      {L"\\setup\\setup.exe", L"Офисный пакет", L"Установка офисного пакета", L"\\pics\\office.bmp"},
      {L"\\drivers\\install.exe", L"Драйверы  и утилиты", L"Драйверы для видеокарты", L"none"},
      {L"\\tools\\t.exe", L"Утилиты, архиваторы", L"Сжатие файлов", L"none"},
      {L"\\readme.txt", L"Прочти меня ё Ё №", L"Текст", L"none"},
  };
  TempFolder disc;
  ASSERT_TRUE(CopyFileW((AppFolder() + L"\\discfront.exe").c_str(), disc.File(L"discfront.exe").c_str(), FALSE));
  WriteBytes(disc.File(L"info.txt"), "Test disc\r\n");
  const std::wstring skin = disc.path() + L"\\skin";
  CreateDirectoryW(skin.c_str(), nullptr);
  WriteBytes(skin + L"\\back.bmp", SolidBitmap(480, 360, 200, 200, 210));
  for (const wchar_t* name : {L"\\button.bmp", L"\\buttonmove.bmp", L"\\buttondown.bmp"}) {
    WriteBytes(skin + name, SolidBitmap(110, 30, 120, 140, 200));
  }

  std::vector<std::wstring> editorTitles;
  {
    Frontsmith editor;
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (i > 0) editor.Press(kCmdPaste);
      editor.Type(records[i]);
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
      editorTitles.push_back(editor.Shown().title);
    }
  }
  EXPECT_EQ(editorTitles[2], L"Утилитыархиваторы");

  Process launcher = Process::Start(disc.File(L"discfront.exe"));
  HWND form = WaitForWindow({.processId = launcher.Id()});
  ASSERT_NE(form, nullptr) << "the launcher's window did not appear";
  HWND list = WaitForChild(form, {.className = L"ListBox"});
  ASSERT_NE(list, nullptr);
  std::vector<std::wstring> launcherTitles;
  WaitUntil([&] { return (launcherTitles = ListBoxItems(list)).size() == records.size(); });
  EXPECT_EQ(launcherTitles, editorTitles);
  launcher.Kill();
#endif
}

}  // namespace
}  // namespace frontsmith_test
