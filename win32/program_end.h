// The one way a program ends on purpose or after a failure it cannot handle: what
// the program asked to be undone at the end (the launcher's notification icon) is
// undone first, then the process ends at once.
#pragma once

#include <windows.h>

namespace win32 {

// What to run once before the process ends; a later call replaces an earlier one.
void SetAtProgramEnd(void (*atEnd)());

// Runs the end action (once, even if it ends the program again) and ends the process.
[[noreturn]] void EndProgram(UINT exitCode);

}  // namespace win32
