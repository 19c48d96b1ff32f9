// The UI test driver: GoogleTest programs drive a Win32 program under test from outside,
// running under the same Wine (or Windows) as that program. Include this one header and
// link target `uidriver`. Everything is in namespace uidriver; every wait polls until its
// condition holds or its time-out (default kDefaultTimeout, 15 s) passes: no fixed sleeps.
//
//   Process (process.h)
//     auto app = Process::Start(folder + L"\\discfront.exe");  // folder = application folder
//     app.Id(); app.IsRunning(); app.WaitForExit(timeout); app.ExitCode();  // optional<DWORD>
//     app.Windows(); app.Close();  // WM_CLOSE to its windows, wait for the end
//     app.Kill();                  // also done by ~Process if still running
//     OwnFolder()                  // the test program's folder (targets are built beside it)
//
//   Windows (window_find.h)
//     HWND main = WaitForWindow({.className = L"Korvel Discfront BETA", .processId = app.Id()});
//     HWND list = FindChild(main, {.className = L"ListBox"});   // also .id, .text
//     WaitForChild, FindWindows, FindChildren, WaitForWindowGone, ClassName, WindowText
//
//   Controls (controls.h), across processes
//     ListBoxItems(list); ListBoxSelection(list) (-1: none); SelectListBoxItem(list, i);
//     ListBoxItemRect(list, i) (screen); ComboBoxItems/ComboBoxSelection/SelectComboBoxItem;
//     GetText(edit); SetText(edit, L"..."); PressButton(button) (posted BM_CLICK);
//     ScreenRect, ClientScreenRect, ScreenPoint(window, client point), CenterOf(window)
//
//   Message boxes (message_box.h)
//     HWND box = WaitForMessageBox(app.Id());
//     MessageBoxInfo info = ReadMessageBox(box);  // .caption .text .icon .buttons
//     info.icon == IconKind::kError;              // kNone/kInformation/kWarning/kError/kQuestion
//     PressMessageBoxButton(box, IDOK);           // and waits until the box is gone
//
//   Input (input.h)
//     BringToFront(main); PressKey('L', kCtrl); PressKey('A', kAlt); TypeText(L"текст");
//     PostKey(window, VK_DOWN); PostText(window, L"...");   // no foreground needed
//     MoveMouse(point) (hover); Click(point); DoubleClick(point); ClickWindow(control);
//     MouseDown()/MouseUp()
//
//   Screenshots (screenshot.h)
//     SaveScreenshot(main, L"launcher.png");  // PNG of the window as the screen shows it
//     CaptureWindow(main).Pixel(x, y);        // COLORREF
//
//   Waiting for anything else (wait.h)
//     ASSERT_TRUE(WaitUntil([&] { return ListBoxSelection(list) == 2; }));
#pragma once

#include "uidriver/controls.h"
#include "uidriver/input.h"
#include "uidriver/message_box.h"
#include "uidriver/process.h"
#include "uidriver/screenshot.h"
#include "uidriver/wait.h"
#include "uidriver/window_find.h"
