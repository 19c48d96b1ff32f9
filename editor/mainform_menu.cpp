#include "mainform_menu.h"

#include "base/texts.h"
#include "editor_texts.h"

namespace discfront::editor {

HMENU CreateMainMenu() {
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, kCmdFileNew, Text(kTextMenuNew).c_str());
  AppendMenuW(file, MF_STRING, kCmdFileOpen, Text(kTextMenuOpen).c_str());
  AppendMenuW(file, MF_STRING, kCmdFileSave, Text(kTextMenuSave).c_str());
  AppendMenuW(file, MF_STRING, kCmdFileSaveAs, Text(kTextMenuSaveAs).c_str());
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, kCmdFileExit, Text(kTextMenuExit).c_str());

  HMENU edit = CreatePopupMenu();
  AppendMenuW(edit, MF_STRING, kCmdEditUndo, Text(kTextMenuUndo).c_str());
  AppendMenuW(edit, MF_STRING, kCmdEditRedo, Text(kTextMenuRedo).c_str());
  AppendMenuW(edit, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(edit, MF_STRING, kCmdEditSelectAll, Text(kTextMenuSelectAll).c_str());
  AppendMenuW(edit, MF_STRING, kCmdGoToList, Text(kTextMenuGoToList).c_str());

  HMENU element = CreatePopupMenu();
  AppendMenuW(element, MF_STRING, kCmdElementPaste, Text(kTextMenuPaste).c_str());
  AppendMenuW(element, MF_STRING, kCmdElementDel, Text(kTextMenuDelete).c_str());
  AppendMenuW(element, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(element, MF_STRING, kCmdElementMoveUp, Text(kTextMenuMoveUp).c_str());
  AppendMenuW(element, MF_STRING, kCmdElementMoveDown, Text(kTextMenuMoveDown).c_str());

  HMENU disc = CreatePopupMenu();
  AppendMenuW(disc, MF_STRING, kCmdDiscCheck, Text(kTextMenuCheck).c_str());
  AppendMenuW(disc, MF_STRING, kCmdDiscRun, Text(kTextMenuRun).c_str());
  AppendMenuW(disc, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(disc, MF_STRING, kCmdDiscAutorun, Text(kTextMenuAutorun).c_str());
  AppendMenuW(disc, MF_STRING, kCmdDiscDescription, Text(kTextMenuDescription).c_str());
  HMENU language = CreatePopupMenu();
  AppendMenuW(language, MF_STRING, kCmdDiscLanguageUser, Text(kTextMenuLanguageUser).c_str());
  AppendMenuW(language, MF_STRING, kCmdDiscLanguageRussian, Text(kTextMenuLanguageRussian).c_str());
  AppendMenuW(language, MF_STRING, kCmdDiscLanguageEnglish, Text(kTextMenuLanguageEnglish).c_str());
  AppendMenuW(disc, MF_POPUP, reinterpret_cast<UINT_PTR>(language), Text(kTextMenuLanguage).c_str());
  AppendMenuW(disc, MF_STRING, kCmdDiscEntryIcons, Text(kTextMenuEntryIcons).c_str());
  AppendMenuW(disc, MF_STRING, kCmdDiscCloseAfterStart, Text(kTextMenuCloseAfterStart).c_str());
  AppendMenuW(disc, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(disc, MF_STRING, kCmdDiscImage, Text(kTextMenuImage).c_str());

  HMENU help = CreatePopupMenu();
  AppendMenuW(help, MF_STRING, kCmdHelp, Text(kTextMenuHelpTopics).c_str());
  AppendMenuW(help, MF_STRING, kCmdHelpAbout, Text(kTextMenuAbout).c_str());

  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), Text(kTextMenuFile).c_str());
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), Text(kTextMenuEdit).c_str());
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(element), Text(kTextMenuElements).c_str());
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(disc), Text(kTextMenuDisc).c_str());
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), Text(kTextMenuHelp).c_str());
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
      {FVIRTKEY | FCONTROL, 'Z', kCmdEditUndo},
      {FVIRTKEY | FCONTROL, 'Y', kCmdEditRedo},
      {FVIRTKEY | FCONTROL | FSHIFT, 'Z', kCmdEditRedo},
      {FVIRTKEY | FCONTROL, 'A', kCmdEditSelectAll},
      {FVIRTKEY | FCONTROL, 'L', kCmdGoToList},
      {FVIRTKEY | FALT, VK_UP, kCmdElementMoveUp},
      {FVIRTKEY | FALT, VK_DOWN, kCmdElementMoveDown},
  };
  return CreateAcceleratorTableW(keys, static_cast<int>(sizeof(keys) / sizeof(keys[0])));
}

}  // namespace discfront::editor
