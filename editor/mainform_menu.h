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
};

HMENU CreateMainMenu();
// Ctrl+N, Ctrl+O, Ctrl+S and F1; the caller destroys the table.
HACCEL CreateMainAccelerators();

}  // namespace discfront::editor
