// Figure button_hover_cpu_ratio: processor time the gallery uses while the pointer
// rests on a button for 5 s, with the leave notification, divided by the same with
// the old 1 ms poll (the gallery's "/poll"); three rounds of each, summed.
#include <windows.h>

#include <cstdio>
#include <optional>

#include "buttonex/gallery/gallery_window.h"
#include "uidriver/uidriver.h"

namespace {

using namespace uidriver;
namespace g = discfront::buttonex::gallery;

// The gallery reports its own processor time; -1 when it does not answer.
double CpuSeconds(HWND gallery) {
  DWORD_PTR micro = 0;
  if (!SendMessageTimeoutW(gallery, g::kGalleryCpuQuery, 0, 0, SMTO_ABORTIFHUNG, 5000, &micro)) return -1;
  return static_cast<double>(micro) / 1e6;
}

// CPU seconds the gallery spends in 5 s with the pointer resting on its skinned button.
std::optional<double> HoverCpu(const wchar_t* arguments) {
  Process app = Process::Start(OwnFolder() + L"\\buttonex_gallery.exe", arguments);
  HWND window = WaitForWindow({.className = g::kGalleryClass, .processId = app.Id()});
  if (window == nullptr) return std::nullopt;
  HWND button = WaitForChild(window, {.id = g::kIdSkin});
  if (button == nullptr) return std::nullopt;
  BringToFront(window);
  MoveMouse(ScreenPoint(button, POINT{60, 15}));
  MoveMouse(ScreenPoint(button, POINT{61, 15}));
  Sleep(1000);  // the start-up is over, the hover look is drawn
  const double before = CpuSeconds(window);
  Sleep(5000);
  const double after = CpuSeconds(window);
  app.Kill();
  if (before < 0 || after < 0) return std::nullopt;
  return after - before;
}

}  // namespace

int main() {
  // Processor time is counted in 10 ms ticks under Wine: three rounds of each, summed,
  // make the quiet side's few ticks less of a coin toss.
  std::optional<double> leave = 0.0, poll = 0.0;
  for (int round = 0; round < 3 && leave && poll; ++round) {
    const auto l = HoverCpu(L"");
    const auto p = HoverCpu(L"/poll");
    if (!l || !p) {
      leave.reset();
      break;
    }
    *leave += *l;
    *poll += *p;
  }
  if (!leave || !poll) {
    std::fprintf(stderr, "button_hover_cpu_ratio: the gallery could not be measured\n");
    return 1;
  }
  std::fprintf(stderr, "hover CPU over 3 x 5 s: leave notification %.4f s, 1 ms poll %.4f s\n", *leave, *poll);
  if (*poll <= 0) {
    std::fprintf(stderr, "button_hover_cpu_ratio: the poll used no measurable time; no figure\n");
    return 1;
  }
  std::printf("figure: button_hover_cpu_ratio = %.4f ratio\n", *leave / *poll);
  std::fflush(stdout);
  return 0;
}
