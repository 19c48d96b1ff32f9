// launcher_startup_ratio: wall time from process start until the launcher's window is
// shown, divided by the same for a yardstick program that does the same required work
// before it shows its window (equal_work_window.cpp). launcher_vs_minimal_window
// divides by a program that only shows a window. The three run in one session in
// rounds, each round in a new order, and each ratio is the median of the rounds' own
// ratios: a round's starts follow one another closely, so a load that comes and goes
// on the machine weighs on both sides of a ratio alike.
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

struct Program {
  const wchar_t* file;
  const wchar_t* className;
  const wchar_t* title;
  std::vector<double> ms;
};

}  // namespace

int main() {
  const std::wstring folder = win32::ApplicationFolder() + L"\\startup_disc\\";
  Program launcher{L"discfront.exe", L"Korvel Discfront BETA", L"Korvel Discfront BETA", {}};
  Program equalWork{L"equal_work_window.exe", L"EqualWorkWindow", L"Equal work", {}};
  Program minimal{L"minimal_window.exe", L"MinimalWindow", L"Minimal", {}};
  Program* programs[] = {&launcher, &equalWork, &minimal};
  constexpr int kRounds = 21;
  // Warms the file cache and Wine's own start-up for each.
  for (Program* p : programs) TimeToWindow(folder + p->file, p->className, p->title);
  std::vector<double> equalWorkRatios, minimalRatios;
  for (int round = 0; round < kRounds; ++round) {
    // Every program goes first, second and third equally often.
    std::rotate(std::begin(programs), std::begin(programs) + 1, std::end(programs));
    for (Program* p : programs) {
      const double ms = TimeToWindow(folder + p->file, p->className, p->title);
      if (ms < 0) {
        std::printf("launcher start-up: %ls did not show its window\n", p->file);
        std::printf("figure: launcher_vs_minimal_window = 0 (failed)\n");
        std::printf("figure: launcher_startup_ratio = 0 (failed)\n");
        return 1;
      }
      p->ms.push_back(ms);
    }
    equalWorkRatios.push_back(launcher.ms.back() / equalWork.ms.back());
    minimalRatios.push_back(launcher.ms.back() / minimal.ms.back());
  }
  std::printf("figure: launcher_startup_ms = %.1f ms\n", Median(launcher.ms));
  std::printf("figure: equal_work_window_startup_ms = %.1f ms\n", Median(equalWork.ms));
  std::printf("figure: minimal_window_startup_ms = %.1f ms\n", Median(minimal.ms));
  std::printf("figure: launcher_vs_minimal_window = %.3f ratio\n", Median(minimalRatios));
  std::printf("figure: launcher_startup_ratio = %.3f ratio\n", Median(equalWorkRatios));
  return 0;
}
