// Starting a file through the shell: a program (with the system's elevation prompt
// when it asks for administrator rights), a document in the program associated with
// it, or the system's folder window. The caller decides what to show for each outcome.
#pragma once

#include <windows.h>

#include <string>

#include "win32/system_error.h"

namespace win32 {

struct ShellStartResult {
  enum class Outcome {
    kStarted,
    kFileNotFound,  // the file (or its folder) is not there
    kDeclined,      // the user said no to the elevation prompt: nothing to report
    kFailed,        // anything else; systemError says why
  };
  Outcome outcome = Outcome::kStarted;
  DWORD systemError = 0;
};

// Starts `file` with `arguments` and the show state (1 normal, 2 minimized, both with
// focus); the started program works in `workingFolder` (this process's working
// directory when empty) and is not waited for. The shell shows no error box of its own.
ShellStartResult ShellStart(HWND owner, const std::wstring& file, const std::wstring& arguments, int showState,
                            const std::wstring& workingFolder = {});

// The stop message for a start that failed: which file, and the system's reason.
std::wstring StartFailureText(const std::wstring& file, DWORD error);

}  // namespace win32
