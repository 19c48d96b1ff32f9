// The UI test driver: GoogleTest programs drive a Win32 program under test from outside,
// running under the same Wine (or Windows) as that program. Include this one header and
// link target `uidriver`. Everything is in namespace uidriver. Every wait polls until its
// condition holds or its time-out passes (default kDefaultTimeout, 15 s) and then returns
// nullptr/false: no fixed sleeps, and a test fails with a message instead of hanging.
//
//   Process (process.h)
//     Process app = Process::Start(folder + L"\\discfront.exe");  // folder: its application folder
//     Process::Start(program, L"args", workingDir);  // working directory: the program's folder if empty
//     app.Id(); app.IsRunning(); app.WaitForExit(); app.ExitCode();  // optional<DWORD>
//     app.Windows();     // its visible top-level windows
//     app.Close();       // WM_CLOSE to its windows, true once it has ended
//     app.Kill();        // at once; ~Process kills a program still running
//     OwnFolder()        // the test program's folder (targets are built beside it)
//     SessionDpi()       // the resolution of the Wine session (96, or 144 / 192 for scale tests)
//     FolderOf(path)     // "C:\\a\\b.exe" -> "C:\\a", "Q:\\b.exe" -> "Q:\\"
//
//   Windows (window_find.h); empty fields match anything, class names ignore case
//     HWND main = WaitForWindow({.className = L"Korvel Discfront BETA", .processId = app.Id()});
//     HWND list = FindChild(main, {.className = L"ListBox"});   // or .id = 101, .text = L"..."
//     FindWindowNow, FindWindows, WaitForChild, FindChildren, ClassName, WindowText,
//     WaitForWindowGone(hwnd)  // hidden or destroyed
//
//   Controls (controls.h), across processes
//     ListBoxItems(list); ListBoxSelection(list) (-1: none); SelectListBoxItem(list, i)
//     (LB_SETCURSEL + LBN_SELCHANGE to the parent); ListBoxItemRect(list, i) (screen, for Click);
//     ComboBoxItems / ComboBoxSelection / SelectComboBoxItem;
//     GetText(edit); SetText(edit, L"..."); PressButton(button) (posted BM_CLICK, returns at once);
//     ScreenRect, ClientScreenRect, ScreenPoint(window, client point), CenterOf(window);
//     VisibleChildRects(window)  // its visible children's rectangles, client coordinates
//     Send(hwnd, msg, w, l)  // SendMessage with a time-out
//
//   Message boxes (message_box.h)
//     HWND box = WaitForMessageBox(app.Id());     // statics and buttons only: not a file dialog
//     MessageBoxInfo info = ReadMessageBox(box);  // .caption .text .icon .buttons
//     info.icon == IconKind::kError;  // kNone, kInformation, kWarning, kError (stop), kQuestion,
//                                     // kUnknown; recognised by the icon's pixels on screen
//     PressMessageBoxButton(box, IDOK);           // true once the box is gone
//
//   Input (input.h)
//     BringToFront(main);                  // SendInput goes to the foreground window
//     PressKey('L', kCtrl); PressKey('A', kAlt); PressKey(VK_RETURN); TypeText(L"текст");
//     PressAccessKey(L'У');               // Alt + any letter, e.g. "&Установить"
//     PostKey(window, VK_DOWN); PostText(window, L"...");   // no foreground needed, but
//                                                           // Ctrl accelerators need PressKey
//     MoveMouse(point) (real pointer: hover works); Click(point[, MouseButton::kRight]);
//     DoubleClick(point); ClickWindow(control); MouseDown(); MouseUp();
//
//   Dragging files (drag_files.h), as from the shell's file windows
//     DWORD effect = DragFiles({L"C:\\disc\\setup.exe"}, from, ScreenPoint(list, {20, 30}));
//     // DROPEFFECT_COPY when the target took them; it handles the drop after the call
//
//   Screenshots (screenshot.h)
//     SaveScreenshot(main, OwnFolder() + L"\\launcher.png");  // PNG, once painted and steady
//     CaptureWindow(main).Pixel(x, y);                         // COLORREF
//
//   Accessibility (accessibility.h), as a screen reader asks
//     AccessibleReading r = ReadAccessible(button);  // .role .name .shortcut .state .defaultAction
//     DoDefaultAction(button); FocusOf(main);        // the focused window of main's thread
//
//   Waiting for anything else (wait.h)
//     EXPECT_TRUE(WaitUntil([&] { return ListBoxSelection(list) == 2; }));
//
// Under Wine on a virtual display without a window manager, a top-level window takes
// about two seconds to disappear unless the prefix sets "Managed"="N" under
// HKCU\Software\Wine\X11 Driver; the driver copes either way (hidden counts as gone).
#pragma once

#include "uidriver/accessibility.h"
#include "uidriver/controls.h"
#include "uidriver/drag_files.h"
#include "uidriver/input.h"
#include "uidriver/list_view.h"
#include "uidriver/message_box.h"
#include "uidriver/process.h"
#include "uidriver/screenshot.h"
#include "uidriver/wait.h"
#include "uidriver/window_find.h"
