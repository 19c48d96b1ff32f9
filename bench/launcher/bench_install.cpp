// install_start_ms: from the press of Install (a real click on the launcher's skinned
// button) to the first instruction of the program it starts, which reports its own
// performance counter. The median of several starts of the sample program.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "bench/launcher/settle.h"
#include "uidriver/uidriver.h"
#include "win32/app_folder.h"

namespace {

constexpr wchar_t kHelloTitle[] = L"Приветствие — пример";

// The start counter the program wrote, once the report is there; 0 if it never comes.
long long ReportedStart(const std::wstring& report) {
  if (!uidriver::WaitUntil([&] { return GetFileAttributesW(report.c_str()) != INVALID_FILE_ATTRIBUTES; })) return 0;
  long long start = 0;
  {
    std::ifstream in(report.c_str());
    for (std::string line; std::getline(in, line);) {
      if (line.rfind("start=", 0) == 0) start = std::stoll(line.substr(6));
    }
  }
  DeleteFileW(report.c_str());
  return start;
}

void CloseHello() {
  for (HWND w : uidriver::FindWindows({.title = kHelloTitle, .visibleOnly = false})) {
    PostMessageW(w, WM_CLOSE, 0, 0);
    uidriver::WaitForWindowGone(w);
  }
}

}  // namespace

int main() {
  const std::wstring disc = win32::ApplicationFolder() + L"\\install_disc";
  const std::wstring report = disc + L"\\started.txt";
  SetEnvironmentVariableW(L"DISCFRONT_SAMPLE_REPORT", report.c_str());
  DeleteFileW(report.c_str());
  uidriver::Process launcher = uidriver::Process::Start(disc + L"\\discfront.exe");
  HWND main = uidriver::WaitForWindow({.className = L"Korvel Discfront BETA", .processId = launcher.Id()});
  HWND list = main != nullptr ? uidriver::FindChild(main, {.className = L"ListBox"}) : nullptr;
  HWND install = main != nullptr ? uidriver::FindChild(main, {.className = L"KorvelDiscfront.ButtonEx", .id = 102})
                                 : nullptr;
  if (list == nullptr || install == nullptr || !uidriver::SelectListBoxItem(list, 0)) {
    std::printf("install start: the launcher did not come up\nfigure: install_start_ms = 0 (failed)\n");
    return 1;
  }
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  constexpr int kRuns = 9;
  std::vector<double> ms;
  for (int run = 0; run < kRuns + 1; ++run) {
    uidriver::BringToFront(main);
    uidriver::MoveMouse(uidriver::CenterOf(install));
    LARGE_INTEGER pressed;
    QueryPerformanceCounter(&pressed);
    uidriver::MouseDown();
    uidriver::MouseUp();
    const long long started = ReportedStart(report);
    CloseHello();
    discfront::bench::LetThePreviousProgramSettle();
    if (started == 0) {
      std::printf("install start: the program did not report\nfigure: install_start_ms = 0 (failed)\n");
      return 1;
    }
    // The first run warms the file cache and is not counted.
    if (run > 0) ms.push_back(1000.0 * static_cast<double>(started - pressed.QuadPart) / static_cast<double>(frequency.QuadPart));
  }
  launcher.Close();
  std::sort(ms.begin(), ms.end());
  std::printf("install start: fastest %.1f ms, slowest %.1f ms\n", ms.front(), ms.back());
  std::printf("figure: install_start_ms = %.1f ms\n", ms[ms.size() / 2]);
  return 0;
}
