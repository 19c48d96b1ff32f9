#include "mainform_menu.h"

namespace discfront::editor {

HMENU CreateMainMenu() {
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, kCmdFileNew, L"&Новый\tCtrl+N");
  AppendMenuW(file, MF_STRING, kCmdFileOpen, L"&Открыть\tCtrl+O");
  AppendMenuW(file, MF_STRING, kCmdFileSave, L"&Сохранить\tCtrl+S");
  AppendMenuW(file, MF_STRING, kCmdFileSaveAs, L"Сахранить &как...");
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, kCmdFileExit, L"&Выход");

  HMENU element = CreatePopupMenu();
  AppendMenuW(element, MF_STRING, kCmdElementPaste, L"&Вставить");
  AppendMenuW(element, MF_STRING, kCmdElementDel, L"&Удалить");

  HMENU help = CreatePopupMenu();
  AppendMenuW(help, MF_STRING, kCmdHelp, L"&Помощь\tF1");
  AppendMenuW(help, MF_STRING, kCmdHelpAbout, L"&О программе");

  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&Файл");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(element), L"&Элементы");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Справка");
  return bar;
}

HACCEL CreateMainAccelerators() {
  ACCEL keys[] = {
      {FVIRTKEY | FCONTROL, 'N', kCmdFileNew},
      {FVIRTKEY | FCONTROL, 'O', kCmdFileOpen},
      {FVIRTKEY | FCONTROL, 'S', kCmdFileSave},
      {FVIRTKEY, VK_F1, kCmdHelp},
  };
  return CreateAcceleratorTableW(keys, static_cast<int>(sizeof(keys) / sizeof(keys[0])));
}

}  // namespace discfront::editor
