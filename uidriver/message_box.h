// Message boxes of a program under test: finding them, reading them, answering them.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "uidriver/wait.h"

namespace uidriver {

// The icon a message box shows. kUnknown: an icon that is none of the system's four.
enum class IconKind { kNone, kInformation, kWarning, kError, kQuestion, kUnknown };
const char* ToString(IconKind kind);
inline std::ostream& operator<<(std::ostream& out, IconKind kind) { return out << ToString(kind); }

struct MessageBoxInfo {
  HWND window = nullptr;
  std::wstring caption;
  std::wstring text;
  IconKind icon = IconKind::kNone;
  std::vector<std::wstring> buttons;  // button captions, in the box's order
};

// Whether a dialog (class #32770) looks like a message box: statics and buttons only.
bool IsMessageBox(HWND dialog);
// A visible message box of the process, once there is one; nullptr after the time-out.
// File dialogs and other dialogs of class #32770 are passed over.
HWND WaitForMessageBox(DWORD processId, Milliseconds timeout = kDefaultTimeout);

// Reads caption, text, icon and buttons. The icon is recognised by its pixels on the
// screen (icon handles mean nothing across processes under Wine), so the box must not
// be covered; ReadMessageBox brings it to the top first.
MessageBoxInfo ReadMessageBox(HWND box);
IconKind MessageBoxIcon(HWND box);

// Presses the box's button with this id (IDOK, IDCANCEL, IDYES, ...) and waits until
// the box is gone. Returns whether it went.
bool PressMessageBoxButton(HWND box, int buttonId = IDOK, Milliseconds timeout = kDefaultTimeout);

}  // namespace uidriver
