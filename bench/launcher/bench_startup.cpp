// launcher_startup_ratio: wall time from process start until the launcher's window is
// shown, divided by the same for a program that only shows a window. Both run in one
// session, alternating, and the medians are compared.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/launcher/settle.h"
#include "bench/launcher/shown_window.h"
#include "win32/app_folder.h"

namespace {

// Milliseconds from CreateProcess until the program's window with this title is shown; -1 on failure.
// The process starts suspended so that the watch is in place before it can show anything.
double TimeToWindow(const std::wstring& exe, const wchar_t* className, const wchar_t* title) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  const double start = discfront::bench::NowMs();
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                      &si, &pi)) {
    return -1;
  }
  double elapsed = -1;
  {
    discfront::bench::ShownWindowWatch watch(pi.dwProcessId, className, title);
    ResumeThread(pi.hThread);
    double shownAt = 0;
    if (HWND shown = watch.Wait(30000, &shownAt)) {
      elapsed = shownAt - start;
      PostMessageW(shown, WM_CLOSE, 0, 0);  // both programs end when their window is closed
    }
  }
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  discfront::bench::LetThePreviousProgramSettle();
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
  TimeToWindow(minimal, L"MinimalWindow", L"Minimal");  // warm the file cache and Wine's own start-up for both
  TimeToWindow(launcher, L"Korvel Discfront BETA", L"Korvel Discfront BETA");
  for (int i = 0; i < kRuns; ++i) {
    const double m = TimeToWindow(minimal, L"MinimalWindow", L"Minimal");
    const double l = TimeToWindow(launcher, L"Korvel Discfront BETA", L"Korvel Discfront BETA");
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
