// Message boxes with the programs' fixed texts, icons and captions.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

enum class MessageIcon { kNone, kInformation, kStop, kQuestion, kWarning };

// The caption of every message box that names none of its own ("discfront",
// "frontsmith"); each program sets it once at start.
void SetProgramTitle(std::wstring title);
const std::wstring& ProgramTitle();

// Shows a modal message box and returns the button pressed (IDOK, IDYES, ...).
int ShowMessage(HWND owner, const std::wstring& text, MessageIcon icon = MessageIcon::kNone,
                UINT buttons = MB_OK, const std::wstring* caption = nullptr);

}  // namespace win32
