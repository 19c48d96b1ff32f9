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

enum : int { kList = 101, kEdit = 102, kInfoButton = 104, kPad = 109, kStatus = 110, kOpenButton = 113 };

bool refuseClose = false;
HWND statusLine = nullptr;

void Status(const std::wstring& text) { SetWindowTextW(statusLine, text.c_str()); }

// A plain child that reports what the mouse does over it.
LRESULT CALLBACK PadProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
  const auto at = std::to_wstring(x) + L"," + std::to_wstring(y);
  switch (message) {
    case WM_MOUSEMOVE: {
      // The system may repeat a move at the same point after a press (a busy machine
      // sees it arrive late); only a move to a new point is reported, so a press
      // stays in the status line.
      static LPARAM lastMove = -1;
      if (lParam != lastMove) Status(L"hover " + at);
      lastMove = lParam;
      return 0;
    }
    case WM_LBUTTONDOWN: Status(L"click " + at); return 0;
    case WM_RBUTTONDOWN: Status(L"right " + at); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

HWND Child(HWND parent, const wchar_t* kind, const wchar_t* text, DWORD style, int x, int y, int w,
           int h, int id) {
  return CreateWindowExW(0, kind, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

void Create(HWND hwnd) {
  HWND list = Child(hwnd, L"ListBox", nullptr, WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 10, 10, 200, 120, kList);
  for (const wchar_t* item : {L"Один", L"Два", L"Три, четыре"}) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  Child(hwnd, L"Edit", L"начало", WS_BORDER | ES_AUTOHSCROLL, 220, 10, 200, 24, kEdit);
  Child(hwnd, L"Button", L"Сведения", BS_PUSHBUTTON, 10, 140, 120, 26, kInfoButton);
  Child(hwnd, L"Button", L"Открыть", BS_PUSHBUTTON, 440, 10, 120, 26, kOpenButton);
  Child(hwnd, L"UiDriverPad", nullptr, WS_BORDER, 220, 140, 200, 140, kPad);
  statusLine = Child(hwnd, L"Static", L"ready", 0, 10, 300, 410, 20, kStatus);
}

void Command(HWND hwnd, int id, int code, HWND control) {
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
    return;
  }
  if (id == kList && code == LBN_SELCHANGE) {
    Status(L"selected " + std::to_wstring(SendMessageW(control, LB_GETCURSEL, 0, 0)));
  } else if (id == kList && code == LBN_DBLCLK) {
    Status(L"double " + std::to_wstring(SendMessageW(control, LB_GETCURSEL, 0, 0)));
  }
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: Create(hwnd); return 0;
    case WM_COMMAND:
      Command(hwnd, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
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

  WNDCLASSW pad{};
  pad.lpfnWndProc = PadProc;
  pad.hInstance = instance;
  pad.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  pad.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  pad.lpszClassName = L"UiDriverPad";
  RegisterClassW(&pad);

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
