// StartSysInfo: finds the system information tool and starts it, or says it cannot.
#pragma once

#include <windows.h>

namespace discfront::about {

// Starts the tool in a normal, focused window without waiting for it; when it is
// nowhere or cannot be started, shows "System Information Is Unavailable At This
// Time" (no icon, the program title as caption) over `owner`.
void StartSysInfo(HWND owner);

}  // namespace discfront::about
