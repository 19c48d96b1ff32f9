// launcher_gdi_growth: GDI objects held after opening and closing the picture preview
// 200 times, minus after 10 times. The preview window runs in this process (GDI
// objects of another process cannot be counted under Wine), on a list and a disc
// folder of its own.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "catalogue/catalogue_entry.h"
#include "disc/disc_folder.h"
#include "launcher/picture_window.h"
#include "bench/gdi_count.h"
#include "win32/app_folder.h"
#include "win32/com_apartment.h"

namespace {

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Opens the preview, waits until it has taken the picture's size, and closes it.
bool OpenAndClose(HWND list, const std::vector<discfront::CatalogueEntry>& entries,
                  const discfront::DiscFolder& disc) {
  discfront::PictureWindow preview(list, entries, disc);
  if (!preview.Open(nullptr)) return false;
  bool loaded = false;
  for (int i = 0; i < 2000 && !loaded; ++i) {
    Pump();
    RECT r;
    GetWindowRect(preview.hwnd(), &r);
    loaded = r.right - r.left == 200 && r.bottom - r.top == 150;
    if (!loaded) Sleep(1);
  }
  DestroyWindow(preview.hwnd());
  Pump();
  return loaded;
}

}  // namespace

int main() {
  const win32::ComApartment com;
  const discfront::DiscFolder disc(win32::ApplicationFolder() + L"\\install_disc");
  const std::vector<discfront::CatalogueEntry> entries = {{L"\\hello.exe", L"Hello", L"", L"\\pics\\hello.bmp"}};
  HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Hello"));
  SendMessageW(list, LB_SETCURSEL, 0, 0);

  long long afterTen = 0;
  for (int round = 1; round <= 200; ++round) {
    if (!OpenAndClose(list, entries, disc)) {
      std::printf("preview: the picture did not load\nfigure: launcher_gdi_growth = 0 (failed)\n");
      return 1;
    }
    if (round == 10) afterTen = discfront::bench::CountGdiObjects();
  }
  const long long afterTwoHundred = discfront::bench::CountGdiObjects();
  std::printf("preview: %lld GDI objects after 10 rounds, %lld after 200\n", afterTen, afterTwoHundred);
  std::printf("figure: launcher_gdi_growth = %lld objects\n", afterTwoHundred - afterTen);
  return 0;
}
