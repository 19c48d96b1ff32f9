// Message boxes with the programs' fixed texts, icons and captions.
#pragma once

#include <windows.h>

#include <span>
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

// A button of a message box captioned otherwise than the system does ("Save" for Yes).
struct ButtonCaption {
  int id;  // IDYES, IDNO, ...
  std::wstring caption;
};

// The same, with the buttons named in `captions` captioned so; the button pressed is still
// told by its id, and a screen reader reads the captions shown.
int ShowMessage(HWND owner, const std::wstring& text, MessageIcon icon, UINT buttons,
                std::span<const ButtonCaption> captions);

}  // namespace win32
