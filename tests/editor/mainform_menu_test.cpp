// Mainform's menu bar and shortcut keys, built in this process under Wine.
#include "editor/mainform_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace discfront::editor {
namespace {

std::wstring ItemText(HMENU menu, int position) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
  return text;
}

TEST(MainMenu, HasTheThreeMenusWithTheirItemsAndCommands) {
  struct Item {
    std::wstring text;
    int command;  // 0 for a separator
  };
  struct Menu {
    std::wstring title;
    std::vector<Item> items;
  };
  const std::vector<Menu> expected = {
      {L"&Файл",
       {{L"&Новый\tCtrl+N", kCmdFileNew},
        {L"&Открыть\tCtrl+O", kCmdFileOpen},
        {L"&Сохранить\tCtrl+S", kCmdFileSave},
        {L"Сахранить &как...", kCmdFileSaveAs},
        {L"", 0},
        {L"&Выход", kCmdFileExit}}},
      {L"&Элементы", {{L"&Вставить", kCmdElementPaste}, {L"&Удалить", kCmdElementDel}}},
      {L"&Справка", {{L"&Помощь\tF1", kCmdHelp}, {L"&О программе", kCmdHelpAbout}}},
  };
  HMENU bar = CreateMainMenu();
  ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(expected.size()));
  for (int m = 0; m < static_cast<int>(expected.size()); ++m) {
    EXPECT_EQ(ItemText(bar, m), expected[m].title);
    HMENU popup = GetSubMenu(bar, m);
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(expected[m].items.size()));
    for (int i = 0; i < static_cast<int>(expected[m].items.size()); ++i) {
      const Item& item = expected[m].items[i];
      if (item.command == 0) {
        EXPECT_EQ(GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR,
                  static_cast<UINT>(MF_SEPARATOR));
        continue;
      }
      EXPECT_EQ(ItemText(popup, i), item.text);
      EXPECT_EQ(static_cast<int>(GetMenuItemID(popup, i)), item.command);
    }
  }
  DestroyMenu(bar);
}

TEST(MainMenu, ShortcutKeysSendTheMenuCommands) {
  HACCEL table = CreateMainAccelerators();
  ACCEL keys[8] = {};
  const int count = CopyAcceleratorTableW(table, keys, 8);
  DestroyAcceleratorTable(table);
  struct Expected {
    WORD key;
    BYTE modifiers;
    int command;
  };
  const Expected expected[] = {
      {'N', FCONTROL, kCmdFileNew},
      {'O', FCONTROL, kCmdFileOpen},
      {'S', FCONTROL, kCmdFileSave},
      {VK_F1, 0, kCmdHelp},
  };
  ASSERT_EQ(count, static_cast<int>(std::size(expected)));
  for (const Expected& e : expected) {
    bool found = false;
    for (int i = 0; i < count; ++i) {
      const BYTE modifiers = keys[i].fVirt & (FCONTROL | FALT | FSHIFT);
      if (keys[i].key == e.key && modifiers == e.modifiers && (keys[i].fVirt & FVIRTKEY)) {
        EXPECT_EQ(keys[i].cmd, e.command);
        found = true;
      }
    }
    EXPECT_TRUE(found) << "key " << e.key;
  }
}

}  // namespace
}  // namespace discfront::editor
