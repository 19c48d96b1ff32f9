// A window's or control's whole text, however long.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

std::wstring WindowText(HWND hwnd);

}  // namespace win32
