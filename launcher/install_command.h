// Carrying out what Install decided: the folder window, a start through the shell,
// or the messages for a missing file and a failed start.
#pragma once

#include <windows.h>

#include "disc/install_plan.h"

namespace discfront {

// The caption of Install's messages.
inline constexpr wchar_t kInstallCaption[] = L"Korvel Discfront";

// True when the system started what the plan names; false when there was nothing to
// start, it could not be started (after the message) or the user refused the
// elevation prompt.
bool CarryOutInstall(HWND owner, const InstallPlan& plan);

}  // namespace discfront
