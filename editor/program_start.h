// Starting a program of the disc from the disc folder, as a user starting it there
// would: the program named by its full path (quoted, so blanks in folder names are
// no problem) and the disc folder as its working folder.
#pragma once

#include <windows.h>

#include <string>

namespace discfront::editor {

// ERROR_SUCCESS when the program started, else the system's error code.
DWORD StartProgramIn(const std::wstring& program, const std::wstring& folder);

}  // namespace discfront::editor
