// Reading a window of another program as an accessibility client (a screen reader)
// reads it, and doing its default action.
#pragma once

#include <windows.h>

#include <string>

namespace uidriver {

struct AccessibleReading {
  bool answered = false;  // the window gave an accessible object
  long role = 0;          // ROLE_SYSTEM_...
  std::wstring name;
  std::wstring shortcut;       // keyboard shortcut
  std::wstring defaultAction;  // empty when there is none
  unsigned long state = 0;     // STATE_SYSTEM_... bits
};

// The object of the window (OBJID_CLIENT, or OBJID_WINDOW), asked as a client asks.
AccessibleReading ReadAccessible(HWND window, long objectId = OBJID_CLIENT);

// The client object's default action; true when the object accepted it.
bool DoDefaultAction(HWND window);

// The window that has the keyboard focus in the thread that owns `window`.
HWND FocusOf(HWND window);

}  // namespace uidriver
