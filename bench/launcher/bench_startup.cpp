// launcher_startup_ratio: wall time from process start until the launcher's window is
// shown, divided by the same for a program that only shows a window. Both run in one
// session, alternating, and the medians are compared.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "win32/app_folder.h"

namespace {

struct Found {
  DWORD processId;
  const wchar_t* title;
  bool shown;
};

BOOL CALLBACK CheckWindow(HWND hwnd, LPARAM lParam) {
  auto* found = reinterpret_cast<Found*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t title[128] = {};
  GetWindowTextW(hwnd, title, 128);
  if (pid == found->processId && IsWindowVisible(hwnd) && wcscmp(title, found->title) == 0) {
    found->shown = true;
    return FALSE;
  }
  return TRUE;
}

// Milliseconds from CreateProcess until the program's window with this title is visible; -1 on failure.
double TimeToWindow(const std::wstring& exe, const wchar_t* title) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    return -1;
  }
  Found found{pi.dwProcessId, title, false};
  double elapsed = -1;
  for (;;) {
    EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&found));
    QueryPerformanceCounter(&now);
    const double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    if (found.shown) {
      elapsed = ms;
      break;
    }
    if (ms > 30000 || WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) break;
    Sleep(1);
  }
  // Closing: both programs end when their window is closed.
  EnumWindows(
      [](HWND hwnd, LPARAM pid) -> BOOL {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == static_cast<DWORD>(pid)) PostMessageW(hwnd, WM_CLOSE, 0, 0);
        return TRUE;
      },
      static_cast<LPARAM>(pi.dwProcessId));
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return elapsed;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main() {
  const std::wstring folder = win32::ApplicationFolder() + L"\\startup_disc";
  const std::wstring launcher = folder + L"\\discfront.exe";
  const std::wstring minimal = folder + L"\\minimal_window.exe";
  constexpr int kRuns = 7;
  std::vector<double> launcherMs, minimalMs;
  TimeToWindow(minimal, L"Minimal");  // warm the file cache and Wine's own start-up for both
  TimeToWindow(launcher, L"Korvel Discfront BETA");
  for (int i = 0; i < kRuns; ++i) {
    const double m = TimeToWindow(minimal, L"Minimal");
    const double l = TimeToWindow(launcher, L"Korvel Discfront BETA");
    if (m < 0 || l < 0) {
      std::printf("launcher start-up: a program did not show its window\n");
      std::printf("figure: launcher_startup_ratio = 0 (failed)\n");
      return 1;
    }
    minimalMs.push_back(m);
    launcherMs.push_back(l);
  }
  const double launcherMedian = Median(launcherMs);
  const double minimalMedian = Median(minimalMs);
  std::printf("figure: launcher_startup_ms = %.1f ms\n", launcherMedian);
  std::printf("figure: minimal_window_startup_ms = %.1f ms\n", minimalMedian);
  std::printf("figure: launcher_startup_ratio = %.3f \n", launcherMedian / minimalMedian);
  return 0;
}
