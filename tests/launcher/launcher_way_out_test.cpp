// Every way the launcher ends, each with the picture preview open: the process ends
// normally (exit code 0, so no object was used after its window's end) and the
// notification icon goes. The Exit button acts on the first click although another
// window was active before it: the launcher's own preview or another program's window.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <functional>

#include "tests/launcher/fixture_disc.h"
#include "uidriver/uidriver.h"

namespace discfront {
namespace {

using testing::FixtureDisc;
using uidriver::Process;

constexpr wchar_t kLauncherWindow[] = L"Korvel Discfront BETA";
constexpr wchar_t kButtonClass[] = L"KorvelDiscfront.ButtonEx";
constexpr int kCmdPic = 103, kCmdQuit = 105;

bool HasTrayIcon(HWND launcherWindow) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = launcherWindow;
  data.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(launcherWindow));
  data.uFlags = NIF_TIP;
  wcscpy_s(data.szTip, L"Korvel Discfront");
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

HWND Button(HWND main, int id) { return uidriver::FindChild(main, {.className = kButtonClass, .id = id}); }

// A click as a hand gives it: the pointer comes to rest, the button is held a moment.
void ClickAsAUser(HWND window) {
  const RECT r = uidriver::ScreenRect(window);
  uidriver::MoveMouse({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  Sleep(200);
  uidriver::MouseDown();
  Sleep(150);
  uidriver::MouseUp();
}

TEST(LauncherWayOut, EveryWayEndsCleanlyWithThePreviewOpenAndExitTakesTheFirstClick) {
  FixtureDisc disc(L"disc_way_out");
  disc.WriteText(L"info.txt", L"Описание");
  disc.WriteText(L"content.lnc", L"&\\a.exe#А$К@\\pics\\hello.bmp\r\n");
  disc.CopyFromSampleDisc(L"pics\\hello.bmp", L"pics\\hello.bmp");
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 700, 500, 60, 60, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  const auto sendToMain = [](HWND main, UINT msg, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(main, msg, wParam, lParam, SMTO_NORMAL, 5000, &result);
  };
  const struct {
    const char* way;
    std::function<void(HWND main, HWND preview)> end;
  } ways[] = {
      {"Exit, one click, the preview active as it opened",
       [](HWND main, HWND preview) {
         ASSERT_EQ(GetForegroundWindow(), preview);
         ClickAsAUser(Button(main, kCmdQuit));
       }},
      {"Exit, one click, another program's window active",
       [&](HWND main, HWND) {
         ASSERT_TRUE(uidriver::BringToFront(other));
         ClickAsAUser(Button(main, kCmdQuit));
       }},
      {"Exit, one click, a started program's minimized window active",
       [&](HWND main, HWND) {
         HWND started = CreateWindowExW(0, L"STATIC", L"started", WS_OVERLAPPEDWINDOW, 100, 100, 200, 100, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
         ShowWindow(started, SW_SHOWMINIMIZED);
         ASSERT_TRUE(uidriver::BringToFront(started));
         ClickAsAUser(Button(main, kCmdQuit));
         DestroyWindow(started);
       }},
      {"Alt+F4", [](HWND main, HWND) {
         ASSERT_TRUE(uidriver::BringToFront(main));
         uidriver::PressKey(VK_F4, uidriver::kAlt);
       }},
      {"closing from the taskbar", [](HWND main, HWND) { PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"the session ends", [&](HWND main, HWND) {
         sendToMain(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
         sendToMain(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
       }},
  };
  for (const auto& w : ways) {
    SCOPED_TRACE(w.way);
    Process launcher = Process::Start(disc.Launcher(), {}, uidriver::OwnFolder());
    const HWND main = uidriver::WaitForWindow({.className = kLauncherWindow, .processId = launcher.Id()});
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(uidriver::BringToFront(main));
    const HWND list = uidriver::FindChild(main, {.className = L"ListBox"});
    uidriver::SelectListBoxItem(list, 0);
    uidriver::ClickWindow(Button(main, kCmdPic));
    const HWND preview = uidriver::WaitForWindow({.title = L"Form2", .processId = launcher.Id()});
    ASSERT_NE(preview, nullptr);
    ASSERT_TRUE(uidriver::WaitUntil([&] {
      const RECT r = uidriver::ScreenRect(preview);
      return r.right - r.left == 200;
    }));
    ASSERT_TRUE(HasTrayIcon(main));
    w.end(main, preview);
    EXPECT_TRUE(launcher.WaitForExit(std::chrono::seconds(5))) << "still running";
    EXPECT_EQ(launcher.ExitCode(), std::optional<DWORD>(0));
    EXPECT_FALSE(HasTrayIcon(main)) << "the notification icon was left behind";
  }
  DestroyWindow(other);
}

}  // namespace
}  // namespace discfront
