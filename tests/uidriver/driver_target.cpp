// The UI test driver's own target: a window with the controls the driver reads and the
// events it causes, each reported in the status line so that a test can see it arrive.
//
// Command line: "/noclose" ignores WM_CLOSE.
#include <windows.h>

#include <commdlg.h>

#include <string>

namespace {

constexpr wchar_t kClassName[] = L"UiDriverTarget";
constexpr wchar_t kTitle[] = L"Цель драйвера";

enum : int { kInfoButton = 104, kStatus = 110, kOpenButton = 113 };

bool refuseClose = false;
HWND statusLine = nullptr;

void Status(const std::wstring& text) { SetWindowTextW(statusLine, text.c_str()); }

HWND Child(HWND parent, const wchar_t* kind, const wchar_t* text, DWORD style, int x, int y, int w,
           int h, int id) {
  return CreateWindowExW(0, kind, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

void Create(HWND hwnd) {
  Child(hwnd, L"Button", L"Сведения", BS_PUSHBUTTON, 10, 140, 120, 26, kInfoButton);
  Child(hwnd, L"Button", L"Открыть", BS_PUSHBUTTON, 440, 10, 120, 26, kOpenButton);
  statusLine = Child(hwnd, L"Static", L"ready", 0, 10, 300, 410, 20, kStatus);
}

void Command(HWND hwnd, int id, int code) {
  if (id == kInfoButton && code == BN_CLICKED) {
    const int answer = MessageBoxW(hwnd, L"Сведения для проверки", L"Цель", MB_ICONINFORMATION);
    Status(L"box " + std::to_wstring(answer));
    return;
  }
  if (id == kOpenButton && code == BN_CLICKED) {
    wchar_t file[MAX_PATH] = {};
    OPENFILENAMEW open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = hwnd;
    open.lpstrFile = file;
    open.nMaxFile = MAX_PATH;
    open.Flags = OFN_EXPLORER;
    const BOOL chosen = GetOpenFileNameW(&open);
    Status(L"open " + std::to_wstring(chosen));
  }
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: Create(hwnd); return 0;
    case WM_COMMAND:
      Command(hwnd, LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CLOSE:
      if (refuseClose) return 0;
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
  refuseClose = std::wstring(commandLine).find(L"/noclose") != std::wstring::npos;

  WNDCLASSW main{};
  main.lpfnWndProc = MainProc;
  main.hInstance = instance;
  main.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  main.lpszClassName = kClassName;
  RegisterClassW(&main);

  HWND hwnd = CreateWindowExW(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, 40, 40, 600, 440, nullptr,
                              nullptr, instance, nullptr);
  ShowWindow(hwnd, show);
  UpdateWindow(hwnd);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
