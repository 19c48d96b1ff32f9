// Files dragged from outside onto frontsmith under Wine, through a real OLE drag of the
// driver's: programs of the disc folder become entries titled by their version
// resource, files from elsewhere are copied in only when the author says so, and an
// unsaved catalogue is told to be saved first.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontsmith_driver.h"
#include "uidriver/uidriver.h"

namespace frontsmith_test {
namespace {

using namespace uidriver;

constexpr int kDialogText = 100;  // the edit box of the editor's text dialogs
// frontsmith.exe's own FileDescription stands for any program's.
constexpr wchar_t kVersionTitle[] = L"Korvel Discfront catalogue editor";
const std::string kDriversLine = "&\\drv\\install.exe#Drivers$Drivers and utilities@none\r\n";

// Drops the files on the entries list, below its rows or on row 0, dragged from a point
// beside the window; the effect the editor answered.
DWORD Drop(Frontsmith& editor, const std::vector<std::wstring>& paths, bool onFirstRow = false) {
  HWND list = editor.Control(kEntries);
  RECT client{}, header{};
  GetClientRect(list, &client);
  GetClientRect(FindChild(list, {.className = L"SysHeader32"}), &header);
  const POINT to = ScreenPoint(list, {20, onFirstRow ? header.bottom + 4 : client.bottom - 8});
  const RECT window = ScreenRect(editor.main());
  const POINT from{window.left > 60 ? window.left - 30 : window.right + 30, to.y};
  return DragFiles(paths, from, to);
}

void CopyProgram(const std::wstring& target) {
  CreateDirectoryW(FolderOf(target).c_str(), nullptr);
  ASSERT_TRUE(CopyFileW((AppFolder() + L"\\frontsmith.exe").c_str(), target.c_str(), FALSE));
}

// A catalogue of one record saved in `disc`, opened in a fresh editor.
void OpenDisc(Frontsmith& editor, TempFolder& disc) {
  WriteBytes(disc.File(L"content.lnc"), kDriversLine);
  ASSERT_TRUE(editor.Open(disc.File(L"content.lnc")));
  ASSERT_EQ(editor.Labels().size(), 1u);
}

TEST(DroppedFiles, AnUnsavedCatalogueIsToldToBeSavedFirst) {
  TempFolder elsewhere;
  CopyProgram(elsewhere.File(L"setup.exe"));
  Frontsmith editor;
  EXPECT_EQ(Drop(editor, {elsewhere.File(L"setup.exe")}), static_cast<DWORD>(DROPEFFECT_COPY));
  const MessageBoxInfo box = editor.TakeMessageBox();
  EXPECT_EQ(box.text, L"Сначала сохраните каталог: файлы добавляются из папки, в которой он лежит.");
  EXPECT_EQ(box.icon, IconKind::kInformation);
  EXPECT_EQ(editor.Labels().size(), 1u);
  EXPECT_EQ(editor.Shown(), CatalogueEntry{});
}

// One start walks the kinds of drop on a saved catalogue.
TEST(DroppedFiles, BecomeEntriesOrAreRefusedOrCopiedInAsTheAuthorSays) {
  TempFolder disc, elsewhere;
  CopyProgram(disc.File(L"progs\\setup.exe"));
  CreateDirectoryW(disc.File(L"empty").c_str(), nullptr);
  CopyProgram(elsewhere.File(L"tool.exe"));
  Frontsmith editor;
  OpenDisc(editor, disc);
  {
    SCOPED_TRACE("a program of the disc folder becomes an entry titled by its version resource");
    ASSERT_EQ(Drop(editor, {disc.File(L"progs\\setup.exe")}), static_cast<DWORD>(DROPEFFECT_COPY));
    editor.Settle();
    ASSERT_TRUE(editor.NoMessageBox());
    ASSERT_EQ(editor.Labels().size(), 2u);
    EXPECT_EQ(editor.Selected(), 1);
    EXPECT_EQ(editor.Shown(), (CatalogueEntry{L"\\progs\\setup.exe", kVersionTitle, L"", L"none"}));
  }
  {
    SCOPED_TRACE("a picture dropped on a row becomes that entry's picture");
    WriteBytes(disc.File(L"a.bmp"), "BM");
    Drop(editor, {disc.File(L"a.bmp")}, true);
    editor.Settle();
    ASSERT_TRUE(editor.NoMessageBox());
    editor.Navigate(0);
    EXPECT_EQ(editor.Shown().picture, L"\\a.bmp");
    EXPECT_EQ(editor.Labels().size(), 2u);
  }
  {
    SCOPED_TRACE("a folder without programs is refused by name, and nothing changes");
    Drop(editor, {disc.File(L"empty")});
    const MessageBoxInfo box = editor.TakeMessageBox();
    EXPECT_NE(box.text.find(L"«" + disc.File(L"empty") + L"»: в папке нет программ"), std::wstring::npos) << box.text;
    EXPECT_EQ(box.icon, IconKind::kError);
    EXPECT_EQ(editor.Labels().size(), 2u);
  }
  // A program from elsewhere: the author cancels the copy, then copies it into "progs"
  // (the default), then drops it again and keeps the copy already there.
  const struct {
    const char* trace;
    bool copy;
    int replaceAnswer;  // 0: not asked
    std::size_t records;
  } kCopies[] = {
      {"a copy refused copies nothing and adds nothing", false, 0, 2},
      {"a copy accepted puts the file under progs and adds its entry", true, 0, 3},
      {"a file already there is replaced only when asked; Cancel stops the drop", true, IDCANCEL, 3},
  };
  for (const auto& c : kCopies) {
    SCOPED_TRACE(c.trace);
    Drop(editor, {elsewhere.File(L"tool.exe")});
    HWND dialog = WaitForWindow({.className = L"#32770", .title = L"Копирование в папку диска",
                                 .processId = editor.process().Id()});
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetText(FindChild(dialog, {.id = kDialogText})), L"progs");
    if (!c.copy) {
      EXPECT_EQ(Drop(editor, {elsewhere.File(L"tool.exe")}), static_cast<DWORD>(DROPEFFECT_NONE))
          << "a second drop while the first one asks";
    }
    PressButton(FindChild(dialog, {.className = L"Button", .id = c.copy ? IDOK : IDCANCEL}));
    if (c.replaceAnswer != 0) {
      const MessageBoxInfo box = editor.TakeMessageBox(c.replaceAnswer);
      EXPECT_NE(box.text.find(L"уже есть файл «\\progs\\tool.exe»"), std::wstring::npos) << box.text;
    }
    editor.Settle();
    EXPECT_TRUE(editor.NoMessageBox());
    EXPECT_EQ(FileExists(disc.File(L"progs\\tool.exe")), c.copy);
    EXPECT_EQ(editor.Labels().size(), c.records);
    if (c.copy && c.replaceAnswer == 0) {
      EXPECT_EQ(editor.Shown(), (CatalogueEntry{L"\\progs\\tool.exe", kVersionTitle, L"", L"none"}));
    }
  }
  {
    SCOPED_TRACE("undo takes the copied file's entry back and leaves the copy in the disc folder");
    editor.Key('Z', kCtrl);
    editor.Settle();
    EXPECT_EQ(editor.Labels().size(), 2u);
    EXPECT_TRUE(FileExists(disc.File(L"progs\\tool.exe")));
  }
}

}  // namespace
}  // namespace frontsmith_test
