// Figures button_redraw_us (median time of one redraw of a skinned button) and
// button_gdi_growth (GDI objects after 10 000 redraws of every state minus after 10).
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

  // One redraw of the skinned button, between the up and the over look.
  std::vector<double> times;
  for (int i = 0; i < 3000; ++i) {
    const double t0 = Now();
    skinned->Props().Redraw(i % 2 == 0 ? 2 : 1);
    times.push_back(Now() - t0);
  }
  std::sort(times.begin(), times.end());
  std::printf("figure: button_redraw_us = %.1f us\n", times[times.size() / 2] * 1e6);

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
