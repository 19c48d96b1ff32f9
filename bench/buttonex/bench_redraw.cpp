// Figures button_redraw_us (median time of one redraw of a skinned button),
// button_redraw_focused_us (the same button focused under keyboard cues, so with its
// focus rectangle, timed in turn with the first in the same run) and button_gdi_growth
// (GDI objects after 10 000 redraws of every state minus after 10).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "buttonex/button_ex.h"
#include "buttonex/gallery/gallery_skins.h"
#include "win32/com_apartment.h"
#include "bench/gdi_count.h"

namespace {

using namespace discfront::buttonex;

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

HWND MakeHost() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"BenchButtonHost";
  RegisterClassW(&wc);
  return CreateWindowExW(0, wc.lpszClassName, L"bench", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                         wc.hInstance, nullptr);
}

void Skin(ButtonModel& p) {
  p.SetTransparentColor(gallery::kKey);
  p.SetSkinUp(gallery::MakeSkin(RGB(40, 90, 170)));
  p.SetSkinOver(gallery::MakeSkin(RGB(90, 140, 220)));
  p.SetSkinDown(gallery::MakeSkin(RGB(20, 45, 85)));
  p.SetAppearance(2);
  p.SetCaption(L"&Установить");
}

}  // namespace

int main() {
  const win32::ComApartment com;
  HWND host = MakeHost();
  ButtonEx* skinned = ButtonEx::Create(host, 1, 10, 10);
  ButtonEx* framed = ButtonEx::Create(host, 2, 10, 60);
  if (skinned == nullptr || framed == nullptr) return 1;
  Skin(skinned->Props());
  framed->Props().SetPicture(gallery::MakeGlyph(RGB(0, 0, 0)));
  framed->Props().SetTransparentColor(gallery::kKey);
  framed->Props().SetHighlightPicture(true);

  // One redraw of the skinned button, between the up and the over look; rounds of the
  // unfocused and the focused button take turns, so that both see the same machine.
  ButtonEx* focused = ButtonEx::Create(host, 3, 10, 110);
  if (focused == nullptr) return 1;
  Skin(focused->Props());
  focused->Props().SetSkinFocus(focused->Props().SkinUp());  // as the launcher's buttons
  focused->Props().OnFocus(true);
  focused->Props().OnKeyboardCues(true);
  std::vector<double> times, focusedTimes;
  for (int round = 0; round < 30; ++round) {
    for (auto [button, into] : {std::pair{skinned, &times}, std::pair{focused, &focusedTimes}}) {
      for (int i = 0; i < 100; ++i) {
        const double t0 = Now();
        button->Props().Redraw(i % 2 == 0 ? 2 : 1);
        into->push_back(Now() - t0);
      }
    }
  }
  std::sort(times.begin(), times.end());
  std::sort(focusedTimes.begin(), focusedTimes.end());
  std::printf("figure: button_redraw_us = %.1f us\n", times[times.size() / 2] * 1e6);
  std::printf("figure: button_redraw_focused_us = %.1f us\n", focusedTimes[focusedTimes.size() / 2] * 1e6);

  auto redrawAll = [&](int rounds) {
    for (int i = 0; i < rounds; ++i) {
      for (int state = 0; state <= 4; ++state) {
        framed->Props().OnFocus(i % 2 == 0);
        framed->Props().Redraw(state);
        skinned->Props().Redraw(state);
      }
    }
  };
  redrawAll(2);  // 10 redraws of each button
  const long after10 = static_cast<long>(discfront::bench::CountGdiObjects());
  redrawAll(2000);  // 10 000
  const long after10000 = static_cast<long>(discfront::bench::CountGdiObjects());
  std::fprintf(stderr, "GDI objects: %ld after 10 redraws, %ld after 10000\n", after10, after10000);
  std::printf("figure: button_gdi_growth = %ld objects\n", after10000 - after10);
  std::fflush(stdout);
  DestroyWindow(host);
  return 0;
}
