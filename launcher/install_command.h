// Carrying out what Install decided: the folder window, a start through the shell,
// or the messages for a missing file and a failed start.
#pragma once

#include <windows.h>

#include "disc/install_plan.h"

namespace discfront {

// The caption of Install's messages.
inline constexpr wchar_t kInstallCaption[] = L"Korvel Discfront";

void CarryOutInstall(HWND owner, const InstallPlan& plan);

}  // namespace discfront
