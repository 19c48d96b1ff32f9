// ButtonEx as an accessibility client sees it: a push button named by its caption,
// with its access key as shortcut, the state of its model, and a default action that
// clicks it.
#pragma once

#include <windows.h>

namespace discfront::buttonex {

// The answer to WM_GETOBJECT for OBJID_CLIENT of a ButtonEx window.
LRESULT AnswerButtonAccessible(HWND button, WPARAM wParam);

}  // namespace discfront::buttonex
