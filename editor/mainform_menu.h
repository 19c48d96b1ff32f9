// Mainform's menu bar and its shortcut keys.
#pragma once

#include <windows.h>

namespace discfront::editor {

enum CommandId : int {
  kCmdFileNew = 201,
  kCmdFileOpen,
  kCmdFileSave,
  kCmdFileSaveAs,
  kCmdFileExit,
  kCmdElementPaste,
  kCmdElementDel,
  kCmdHelp,
  kCmdHelpAbout,
  kCmdDiscCheck,
  kCmdDiscRun,
  kCmdDiscAutorun,
  kCmdDiscDescription,
  kCmdDiscLanguageUser,  // the disc's language (discfront.ini): the user's, Russian, English
  kCmdDiscLanguageRussian,
  kCmdDiscLanguageEnglish,
  kCmdDiscImage,
  kCmdDiscEntryIcons = 230,  // the disc menu's switches (discfront.ini), checked when on
  kCmdDiscCloseAfterStart = 231,
  kCmdEditUndo = 240,  // the Edit menu and the entries list's commands
  kCmdEditRedo,
  kCmdEditSelectAll,
  kCmdElementMoveUp,
  kCmdElementMoveDown,
  kCmdGoToList,
};

HMENU CreateMainMenu();
// Ctrl+N, Ctrl+O, Ctrl+S, F1, F5, F9, Ctrl+Z, Ctrl+Y, Ctrl+A, Ctrl+L, Alt+Up and Alt+Down;
// the caller destroys the table.
HACCEL CreateMainAccelerators();

}  // namespace discfront::editor
