// The sample disc's second program: a message box that says what it is and waits for OK.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  MessageBoxW(nullptr,
              L"Это вторая программа-пример с диска Korvel Discfront.\n"
              L"Она только показывает это сообщение и закрывается по кнопке OK.",
              L"Сообщение — пример", MB_OK | MB_ICONINFORMATION);
  return 0;
}
