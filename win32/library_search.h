// Where the programs look for libraries: only in the system folder. A bare name is
// otherwise looked for in the program's own folder first, so a library planted beside
// the program (in a downloads folder, on a shared disc) would run inside it.
#pragma once

#include <windows.h>

namespace win32 {

// Restricts the search for every library loaded from now on, including those that
// libraries load themselves, to the system folder. The first thing each program does.
void RestrictLibrarySearchToSystem();

// Loads a library of the system by its bare name ("hhctrl.ocx") from the system
// folder only; null when it is not there.
HMODULE LoadSystemLibrary(const wchar_t* name);

}  // namespace win32
