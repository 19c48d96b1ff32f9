// Figure button_hover_cpu_ratio: how often the button's thread wakes while the pointer
// rests on a button, with the leave notification, divided by the same with the old 1 ms
// exit poll (the gallery's "/poll"), both measured in this one run.
//
// A wake-up is a message the gallery's thread takes from its queue (timer ticks, leave
// checks, paints, input): each one costs a switch into the program, and counting them
// is exact. Processor time, by contrast, is counted in 10 ms ticks under Wine, so a
// quiet button's few ticks are mostly rounding; it is logged beside the count only.
#include <windows.h>

#include <cstdio>
#include <optional>

#include "buttonex/gallery/gallery_window.h"
#include "uidriver/uidriver.h"

namespace {

using namespace uidriver;
namespace g = discfront::buttonex::gallery;

constexpr DWORD kRestMilliseconds = 6000;

struct Rest {
  double wakeUps = 0;
  double cpuSeconds = 0;
};

std::optional<LRESULT> Ask(HWND gallery, UINT query) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(gallery, query, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer)) return std::nullopt;
  return static_cast<LRESULT>(answer);
}

// Wake-ups and processor time of the gallery while the pointer rests on its skinned button.
std::optional<Rest> RestOnButton(const wchar_t* arguments) {
  Process app = Process::Start(OwnFolder() + L"\\buttonex_gallery.exe", arguments);
  HWND window = WaitForWindow({.className = g::kGalleryClass, .processId = app.Id()});
  if (window == nullptr) return std::nullopt;
  HWND button = WaitForChild(window, {.id = g::kIdSkin});
  if (button == nullptr) return std::nullopt;
  BringToFront(window);
  MoveMouse(ScreenPoint(button, POINT{60, 15}));
  MoveMouse(ScreenPoint(button, POINT{61, 15}));
  Sleep(1000);  // the start-up is over, the hover look is drawn
  const auto wakeBefore = Ask(window, g::kGalleryWakeUpQuery);
  const auto cpuBefore = Ask(window, g::kGalleryCpuQuery);
  Sleep(kRestMilliseconds);
  const auto wakeAfter = Ask(window, g::kGalleryWakeUpQuery);
  const auto cpuAfter = Ask(window, g::kGalleryCpuQuery);
  app.Kill();
  if (!wakeBefore || !cpuBefore || !wakeAfter || !cpuAfter) return std::nullopt;
  return Rest{static_cast<double>(*wakeAfter - *wakeBefore), static_cast<double>(*cpuAfter - *cpuBefore) / 1e6};
}

}  // namespace

int main() {
  const auto leave = RestOnButton(L"");
  const auto poll = RestOnButton(L"/poll");
  if (!leave || !poll) {
    std::fprintf(stderr, "button_hover_cpu_ratio: the gallery could not be measured\n");
    return 1;
  }
  const double seconds = kRestMilliseconds / 1000.0;
  std::fprintf(stderr,
               "pointer at rest for %.0f s: leave notification %.0f wake-ups (%.1f/s), %.3f s CPU; "
               "1 ms poll %.0f wake-ups (%.1f/s), %.3f s CPU\n",
               seconds, leave->wakeUps, leave->wakeUps / seconds, leave->cpuSeconds, poll->wakeUps,
               poll->wakeUps / seconds, poll->cpuSeconds);
  if (poll->wakeUps <= 0) {
    std::fprintf(stderr, "button_hover_cpu_ratio: the poll woke the gallery not once; no figure\n");
    return 1;
  }
  std::printf("figure: button_hover_cpu_ratio = %.4f ratio\n", leave->wakeUps / poll->wakeUps);
  std::fflush(stdout);
  return 0;
}
