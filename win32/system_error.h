// The system's reason for a failure, in the system's own words.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

// The system's own words for an error code, without the trailing line break; the
// bare number when the system has none.
std::wstring SystemReason(DWORD error);

}  // namespace win32
