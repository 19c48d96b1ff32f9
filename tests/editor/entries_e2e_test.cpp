// The entries list end to end under Wine: rows read back from the real list, the form and
// the drop-down following a click, moves by key saved as the file then holds, undo back to
// the opened bytes, several rows deleted after one question, and the title's unsaved mark.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/line_format.h"
#include "frontsmith_driver.h"
#include "uidriver/uidriver.h"

namespace frontsmith_test {
namespace {

using namespace uidriver;
using Rows = std::vector<std::vector<std::wstring>>;

const std::vector<CatalogueEntry> kMenu = {
    {L"\\setup.exe", L"Офис", L"Установка офисного пакета", L"\\pics\\office.bmp"},
    {L"\\drv\\install.exe", L"Drivers", L"Drivers and utilities", L"none"},
    {L"\\tools\\zip.exe", L"Архиватор", L"Две строки\r\nкомментария", L"none"},
    {L"\\docs\\readme.txt", L"Прочтите", L"Описание", L"\\pics\\doc.gif"},
};

std::string Encoded(const std::vector<CatalogueEntry>& entries) {
  std::string bytes;
  discfront::EncodeFailure failure;
  EXPECT_TRUE(discfront::EncodeCatalogue(entries, bytes, failure));
  return bytes;
}

Rows RowsOf(const std::vector<CatalogueEntry>& entries) {
  Rows rows;
  for (std::size_t k = 0; k < entries.size(); ++k) {
    rows.push_back({std::to_wstring(k + 1), entries[k].title, entries[k].path, entries[k].picture});
  }
  return rows;
}

TEST(EntriesList, ShowsMovesDeletesAndUndoesThroughTheRealWindow) {
  TempFolder folder;
  const std::wstring file = folder.File(L"content.lnc");
  const std::string opened = Encoded(kMenu);
  WriteBytes(file, opened);
  ASSERT_TRUE(CopyFileW((AppFolder() + L"\\hello.exe").c_str(), folder.File(L"setup.exe").c_str(), FALSE));
  Frontsmith editor;
  ASSERT_TRUE(editor.Open(file));
  HWND list = editor.Control(kEntries);
  EXPECT_EQ(ListViewRows(list, 4), RowsOf(kMenu));
  EXPECT_EQ(GetText(editor.main()), L"content.lnc — Редактор Korvel Discfront");
  // The status column, from the disc check once it has run: the worst finding of each row.
  auto statuses = [&] {
    std::vector<std::wstring> words;
    for (const auto& row : ListViewRows(list, 5)) words.push_back(row[4]);
    return words;
  };
  // The sample program is built for the build's machine: a 64-bit one will not start on 32-bit Windows.
  const std::wstring present = sizeof(void*) == 8 ? L"Не для 32 бит" : L"";
  const std::vector<std::wstring> found = {present.empty() ? L"Картинка" : present, L"Нет файла", L"Нет файла", L"Нет файла"};
  EXPECT_TRUE(WaitUntil([&] { return statuses() == found; })) << testing::PrintToString(statuses());
  {
    SCOPED_TRACE("a file put in the folder changes its row's status without a word from the author");
    ASSERT_TRUE(CreateDirectoryW(folder.File(L"drv").c_str(), nullptr));
    ASSERT_TRUE(CopyFileW((AppFolder() + L"\\hello.exe").c_str(), folder.File(L"drv\\install.exe").c_str(), FALSE));
    EXPECT_TRUE(WaitUntil([&] { return statuses()[1] == (present.empty() ? L"В порядке" : present); }))
        << testing::PrintToString(statuses());
  }
  {
    SCOPED_TRACE("a click on a row shows its record in the form and the drop-down, and typing shows in its row");
    ASSERT_TRUE(BringToFront(editor.main()));
    const RECT row = ListViewRowRect(list, 2);
    Click({(row.left + row.right) / 2, (row.top + row.bottom) / 2});
    ASSERT_TRUE(WaitUntil([&] { return editor.Selected() == 2; }));
    EXPECT_EQ(editor.Shown(), kMenu[2]);
    EXPECT_EQ(ListViewSelection(list), std::vector<int>{2});
    CatalogueEntry typed = kMenu[2];
    typed.title = L"Архиватор 7";
    editor.Type(typed);
    editor.Settle();
    EXPECT_EQ(ListViewRows(list, 2)[2][1], L"Архиватор 7");
    EXPECT_EQ(GetText(editor.main()), L"*content.lnc — Редактор Korvel Discfront");
    editor.Type(kMenu[2]);
    editor.Settle();
    EXPECT_EQ(GetText(editor.main()), L"content.lnc — Редактор Korvel Discfront");
    editor.Navigate(0);  // the drop-down moves the list's selection
    EXPECT_EQ(ListViewSelection(list), std::vector<int>{0});
  }
  const std::vector<CatalogueEntry> moved = {kMenu[0], kMenu[2], kMenu[1], kMenu[3]};
  {
    SCOPED_TRACE("Alt+Up moves the entry, a screen reader hears of it, and the file saved holds the new order");
    editor.Navigate(2);
    editor.Key(VK_UP, kAlt);
    editor.Settle();
    EXPECT_EQ(ListViewRows(list, 4), RowsOf(moved));
    EXPECT_EQ(editor.Selected(), 1);
    EXPECT_EQ(ListViewSelection(list), std::vector<int>{1});
    EXPECT_EQ(ReadAccessible(list).name, L"Записи. Записи перемещены: 1. Первая из них теперь номер 2.");
    editor.Key('S', kCtrl);
    editor.Settle();
    EXPECT_EQ(ReadBytes(file), Encoded(moved));
  }
  {
    SCOPED_TRACE("undo brings back the opened bytes, redo the move; saving kept the history");
    editor.Key('Z', kCtrl);
    editor.Settle();
    EXPECT_EQ(ListViewRows(list, 4), RowsOf(kMenu));
    EXPECT_EQ(ReadAccessible(list).name, L"Записи. Отменено. Записей в каталоге: 4, выделена запись номер 3.");
    editor.Key('S', kCtrl);
    editor.Settle();
    EXPECT_EQ(ReadBytes(file), opened);
    editor.Key('Y', kCtrl);
    editor.Settle();
    EXPECT_EQ(ListViewRows(list, 4), RowsOf(moved));
  }
  {
    SCOPED_TRACE("a row dragged with the mouse goes where the button is let go; undo puts it back");
    ASSERT_TRUE(BringToFront(editor.main()));
    const RECT last = ListViewRowRect(list, 3), first = ListViewRowRect(list, 0);
    const int x = (last.left + last.right) / 2;
    MoveMouse({x, (last.top + last.bottom) / 2});
    MouseDown();  // no click before it: that would make a double click
    ASSERT_TRUE(WaitUntil([&] { return editor.Selected() == 3; }));
    for (int y = last.top + 4; y > first.top + 2; y -= 3) MoveMouse({x, y});
    MouseUp();
    editor.Settle();
    EXPECT_EQ(ListViewRows(list, 4), RowsOf({kMenu[3], kMenu[0], kMenu[2], kMenu[1]}));
    EXPECT_EQ(editor.Selected(), 0);
    editor.Key('Z', kCtrl);
    editor.Settle();
    EXPECT_EQ(ListViewRows(list, 4), RowsOf(moved));
  }
  {
    SCOPED_TRACE("Insert adds after the selected entry; several rows go after one question that counts them");
    editor.Navigate(0);
    editor.Press(kCmdPaste);
    EXPECT_EQ(ListViewRows(list, 4)[1], (std::vector<std::wstring>{L"2", L"", L"", L""}));
    EXPECT_EQ(editor.Selected(), 1);
    editor.Type({L"\\new.exe", L"Новая", L"Новая программа", L"none"});  // an empty record could not be left
    ASSERT_TRUE(BringToFront(editor.main()));
    const RECT first = ListViewRowRect(list, 0);
    Click({(first.left + first.right) / 2, (first.top + first.bottom) / 2});
    editor.Settle();
    PressKey(VK_DOWN, kShift);
    PressKey(VK_DOWN, kShift);
    EXPECT_TRUE(WaitUntil([&] { return ListViewSelection(list) == std::vector<int>{0, 1, 2}; }));
    editor.Settle();
    for (const int answer : {IDNO, IDYES}) {
      PressKey(VK_DELETE);
      const MessageBoxInfo box = editor.TakeMessageBox(answer);
      EXPECT_EQ(box.text, L"Удалить выделенные записи (3)?");
      editor.Settle();
    }
    EXPECT_EQ(ListViewRows(list, 4), RowsOf({kMenu[1], kMenu[3]}));
    editor.Key('Z', kCtrl);
    editor.Settle();
    EXPECT_EQ(ListViewRows(list, 2).size(), 5u);
  }
  {
    SCOPED_TRACE("closing with unsaved changes asks Save, Don't save or Cancel");
    PostMessageW(editor.main(), WM_CLOSE, 0, 0);
    const MessageBoxInfo box = editor.TakeMessageBox(IDNO);
    ASSERT_EQ(box.buttons.size(), 3u);
    EXPECT_EQ(box.buttons[0] + L"|" + box.buttons[1], L"&Сохранить|&Не сохранять");
    EXPECT_TRUE(editor.process().WaitForExit());
    EXPECT_EQ(ReadBytes(file), opened);
  }
}

}  // namespace
}  // namespace frontsmith_test
