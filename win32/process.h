// Starting a program by a command line, as the About dialog starts the system
// information tool and the editor starts a disc's launcher.
#pragma once

#include <windows.h>

#include <string>

#include "disc/install_plan.h"

namespace win32 {

using discfront::kShowMinimized;
using discfront::kShowNormal;

// Hands the command line to the system's process creator with the show state (the
// caller quotes a program name that holds blanks); the new process works in
// `workingFolder` (this one's when empty) and is not waited for. ERROR_SUCCESS when
// it started, else the system's error code.
DWORD StartProgram(const std::wstring& commandLine, int showState, const std::wstring& workingFolder = {});

}  // namespace win32
