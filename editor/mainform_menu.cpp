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

  HMENU disc = CreatePopupMenu();
  AppendMenuW(disc, MF_STRING, kCmdDiscCheck, L"&Проверить диск\tF5");
  AppendMenuW(disc, MF_STRING, kCmdDiscRun, L"&Запустить меню\tF9");
  AppendMenuW(disc, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(disc, MF_STRING, kCmdDiscAutorun, L"Создать &autorun.inf");
  AppendMenuW(disc, MF_STRING, kCmdDiscDescription, L"&Описание диска...");

  HMENU help = CreatePopupMenu();
  AppendMenuW(help, MF_STRING, kCmdHelp, L"&Помощь\tF1");
  AppendMenuW(help, MF_STRING, kCmdHelpAbout, L"&О программе");

  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&Файл");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(element), L"&Элементы");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(disc), L"&Диск");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Справка");
  return bar;
}

HACCEL CreateMainAccelerators() {
  ACCEL keys[] = {
      {FVIRTKEY | FCONTROL, 'N', kCmdFileNew},
      {FVIRTKEY | FCONTROL, 'O', kCmdFileOpen},
      {FVIRTKEY | FCONTROL, 'S', kCmdFileSave},
      {FVIRTKEY, VK_F1, kCmdHelp},
      {FVIRTKEY, VK_F5, kCmdDiscCheck},
      {FVIRTKEY, VK_F9, kCmdDiscRun},
  };
  return CreateAcceleratorTableW(keys, static_cast<int>(sizeof(keys) / sizeof(keys[0])));
}

}  // namespace discfront::editor
