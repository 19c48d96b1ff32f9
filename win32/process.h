// Starting programs by command line, as the launcher and the About dialog do.
#pragma once

#include <string>

#include "catalogue/error_number.h"

namespace win32 {

// Show states handed to a started program.
constexpr int kShowNormal = 1;     // normal, with focus
constexpr int kShowMinimized = 2;  // minimized, with focus

// Hands the command line, unquoted and whole, to the system's process creator (the
// system resolves a first word with spaces as for any unquoted command line); the new
// process keeps this one's working directory and is not waited for. A missing
// program file is error 53; any other failure is error 5.
discfront::ErrorNumber StartProgram(const std::wstring& commandLine, int showState);

}  // namespace win32
