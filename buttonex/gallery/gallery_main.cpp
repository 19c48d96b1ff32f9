// buttonex_gallery.exe: every kind of ButtonEx in one window, logging its events.
// "/poll" makes the buttons notice the pointer's leaving with a 1 ms poll instead of
// the leave notification (for measuring the difference).
#include <windows.h>

#include <cwchar>

#include "buttonex/gallery/gallery_window.h"
#include "win32/com_apartment.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  const win32::ComApartment com;
  const bool poll = commandLine != nullptr && std::wcsstr(commandLine, L"/poll") != nullptr;
  discfront::buttonex::gallery::GalleryWindow window;
  if (!window.Create(poll)) return 1;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    window.CountWakeUp();
    if (discfront::buttonex::ButtonEx::TranslateAccessKey(msg)) continue;
    if (IsDialogMessageW(window.hwnd(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
