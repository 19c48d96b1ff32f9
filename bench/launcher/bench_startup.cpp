// launcher_startup_ratio: wall time from process start until the launcher's window is
// shown, divided by the same for a yardstick program that does the same required work
// before it shows its window (equal_work_window.cpp). launcher_vs_minimal_window
// divides by a program that only shows a window. The three run in one session in
// rounds, each round in a new order, and each ratio is the median of the rounds' own
// ratios: a round's starts follow one another closely, so a load that comes and goes
// on the machine weighs on both sides of a ratio alike. Each start waits for idle
// processors, and only rounds whose three starts found them are counted; on a
// machine too busy for enough of those, every round is, and the output says so.
// launcher_shown_ms is the launcher's median time to its window shown;
// launcher_after_shown_ms the median time from then until it first waits for input,
// the work it does after showing (equal_work_window_after_shown_ms the same for the
// yardstick, which only paints then).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/median.h"
#include "bench/launcher/settle.h"
#include "bench/launcher/shown_window.h"
#include "win32/app_folder.h"

namespace {

using discfront::bench::Median;

struct Program {
  const wchar_t* file;
  const wchar_t* className;
  const wchar_t* title;
  std::vector<double> ms;       // every round's
  std::vector<double> quietMs;  // the idle rounds'
  std::vector<double> afterMs, quietAfterMs;  // from shown to waiting for input
};

struct Ratios {
  std::vector<double> toEqualWork, toMinimal;
};

}  // namespace

int main() {
  const std::wstring folder = win32::ApplicationFolder() + L"\\startup_disc\\";
  Program launcher{L"discfront.exe", L"Korvel Discfront BETA", L"Korvel Discfront BETA", {}, {}, {}, {}};
  Program equalWork{L"equal_work_window.exe", L"EqualWorkWindow", L"Equal work", {}, {}, {}, {}};
  Program minimal{L"minimal_window.exe", L"MinimalWindow", L"Minimal", {}, {}, {}, {}};
  Program* programs[] = {&launcher, &equalWork, &minimal};
  constexpr int kRounds = 21;                // idle rounds wanted
  constexpr int kMostRounds = 3 * kRounds;   // on a busy machine, whose rounds vary more
  constexpr int kFewestIdleRounds = kRounds / 3;
  constexpr DWORD kIdleWaitMs = 500;
  // Warms the file cache and Wine's own start-up for each.
  for (Program* p : programs) discfront::bench::TimeToShownWindow(folder + p->file, p->className, p->title);
  Ratios all, quiet;
  int rounds = 0;
  int quietRounds = 0;
  while (quietRounds < kRounds && rounds < kMostRounds) {
    // Every program goes first, second and third equally often.
    std::rotate(std::begin(programs), std::begin(programs) + 1, std::end(programs));
    bool idle = true;
    for (Program* p : programs) {
      idle = discfront::bench::WaitForIdleProcessors(kIdleWaitMs) && idle;
      double afterMs = -1;
      const double ms = discfront::bench::TimeToShownWindow(folder + p->file, p->className, p->title, &afterMs);
      if (ms < 0 || afterMs < 0) {
        std::printf("launcher start-up: %ls did not show its window, or never waited for input\n", p->file);
        std::printf("figure: launcher_vs_minimal_window = 0 (failed)\n");
        std::printf("figure: launcher_startup_ratio = 0 (failed)\n");
        return 1;
      }
      p->ms.push_back(ms);
      p->afterMs.push_back(afterMs);
      if (idle) {
        p->quietMs.push_back(ms);
        p->quietAfterMs.push_back(afterMs);
      }
    }
    ++rounds;
    const double toEqualWork = launcher.ms.back() / equalWork.ms.back();
    const double toMinimal = launcher.ms.back() / minimal.ms.back();
    all.toEqualWork.push_back(toEqualWork);
    all.toMinimal.push_back(toMinimal);
    if (!idle) {
      // A start before the busy one may have been kept: the round goes as a whole.
      for (Program* p : programs) {
        p->quietMs.resize(static_cast<std::size_t>(quietRounds));
        p->quietAfterMs.resize(static_cast<std::size_t>(quietRounds));
      }
      continue;
    }
    ++quietRounds;
    quiet.toEqualWork.push_back(toEqualWork);
    quiet.toMinimal.push_back(toMinimal);
  }
  const bool enoughIdle = quietRounds >= kFewestIdleRounds;
  std::printf("launcher start-up: %d of %d rounds began on idle processors; %s\n", quietRounds, rounds,
              enoughIdle ? "the figures are theirs" : "too few, the figures are of every round (a busy machine)");
  const Ratios& used = enoughIdle ? quiet : all;
  auto msOf = [&](const Program& p) { return Median(enoughIdle ? p.quietMs : p.ms); };
  auto afterMsOf = [&](const Program& p) { return Median(enoughIdle ? p.quietAfterMs : p.afterMs); };
  std::printf("figure: launcher_shown_ms = %.1f ms\n", msOf(launcher));
  std::printf("figure: launcher_after_shown_ms = %.1f ms\n", afterMsOf(launcher));
  std::printf("figure: equal_work_window_after_shown_ms = %.1f ms\n", afterMsOf(equalWork));
  std::printf("figure: equal_work_window_startup_ms = %.1f ms\n", msOf(equalWork));
  std::printf("figure: minimal_window_startup_ms = %.1f ms\n", msOf(minimal));
  std::printf("figure: launcher_vs_minimal_window = %.3f ratio\n", Median(used.toMinimal));
  std::printf("figure: launcher_startup_ratio = %.3f ratio\n", Median(used.toEqualWork));
  return 0;
}
