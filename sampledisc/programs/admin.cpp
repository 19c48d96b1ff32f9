// The sample disc's third program: its manifest asks for administrator rights, so
// Windows asks before it starts and the launcher shows the shield beside its title.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  MessageBoxW(nullptr,
              L"Это программа-пример, которая просит права администратора.\n"
              L"Перед её запуском Windows спрашивает разрешение; discfront отмечает её щитом.",
              L"Права администратора — пример", MB_OK | MB_ICONINFORMATION);
  return 0;
}
