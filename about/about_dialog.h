// frmAbout: the About dialog of both programs, shown modally over its owner.
#pragma once

#include <windows.h>

namespace discfront::about {

// Control ids of the dialog (the tests name them too).
enum AboutControlId : int {
  kIdOk = IDOK,
  kIdSysInfo = 1001,
  kIdIcon,
  kIdHeading,
  kIdLine2,
  kIdLine3,
  kIdDisclaimer,
  kIdWebLink,
  kIdMailLink,
};

// The launcher's variant: draggable with edge snapping, web and mail links, the
// program's 48 x 48 icon from the resource named `iconResource`.
void ShowLauncherAbout(HWND owner, const wchar_t* iconResource);
// The editor's variant: one web link whose font grows while highlighted, its own
// 32 x 32 icon from the resource named `iconResource`.
void ShowEditorAbout(HWND owner, const wchar_t* iconResource);

}  // namespace discfront::about
