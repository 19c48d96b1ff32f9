// Opening the editor's compiled HTML help at a context number, through the
// system's help viewer (hhctrl.ocx), loaded when first needed.
#pragma once

#include <windows.h>

#include <string>

namespace discfront::editor {

// The help file beside the program.
std::wstring HelpFileName();

// Opens the help at the topic of the context number, owned by (and so on top of)
// owner. Shows a Russian message when the viewer or the file is missing.
void ShowHelpContext(HWND owner, const std::wstring& helpFile, DWORD context);

// Closes the help windows the program opened (nothing when it opened none).
void CloseHelp();

}  // namespace discfront::editor
