// Names for windows whose own text is not what a screen reader should say: a list or
// an edit box (named by what it holds), a window whose title is a placeholder.
#pragma once

#include <windows.h>

#include <oleacc.h>  // the ROLE_SYSTEM_ values

#include <string>

namespace win32 {

// From now on an accessibility client reads `name` as the name of the window's client
// object (and, for a top-level window, of the window object), and `role` (ROLE_SYSTEM_...)
// as its client object's role: some systems' standard objects call every control a
// "client". Everything else it reads as the system tells. Calling again changes the name
// and tells listening clients. False when the window cannot be named (it is gone).
// A button may be given its default action's name: doing that action clicks it (BM_CLICK).
bool SetAccessibleName(HWND window, std::wstring name, long role, std::wstring buttonAction = {});

// For a window of one's own class, from its WM_GETOBJECT: the answer that gives it that
// name and role, or 0 when the name is empty or another object is asked for.
LRESULT AnswerWithName(HWND window, WPARAM wParam, LPARAM lParam, const std::wstring& name, long role);

}  // namespace win32
