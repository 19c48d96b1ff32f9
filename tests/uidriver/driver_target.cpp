// The UI test driver's own target: a window with the controls the driver reads and the
// events it causes, each reported in the status line so that a test can see it arrive.
//
// Command line: "/exit N" ends with exit code N on closing; "/noclose" ignores WM_CLOSE.
#include <windows.h>

#include <commdlg.h>

#include <string>

namespace {

constexpr wchar_t kClassName[] = L"UiDriverTarget";
constexpr wchar_t kTitle[] = L"Цель драйвера";

enum : int {
  kList = 101, kEdit = 102, kCombo = 103,
  kInfoButton = 104, kStopButton = 105, kWarnButton = 106, kQuestionButton = 107, kPlainButton = 108,
  kPad = 109, kStatus = 110, kFolder = 111, kWorkDir = 112, kOpenButton = 113,
  kAccelCtrlL = 120, kAccelAltK = 121, kMenuMark = 122, kMenuMarkRu = 123,
};

int exitCode = 0;
bool refuseClose = false;
HWND statusLine = nullptr;

void Status(const std::wstring& text) { SetWindowTextW(statusLine, text.c_str()); }

// A plain child that reports what the mouse does over it.
LRESULT CALLBACK PadProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
  const auto at = std::to_wstring(x) + L"," + std::to_wstring(y);
  switch (message) {
    case WM_MOUSEMOVE: Status(L"hover " + at); return 0;
    case WM_LBUTTONDOWN: Status(L"click " + at); return 0;
    case WM_LBUTTONDBLCLK: Status(L"double " + at); return 0;
    case WM_RBUTTONDOWN: Status(L"right " + at); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

HWND Child(HWND parent, const wchar_t* kind, const wchar_t* text, DWORD style, int x, int y, int w,
           int h, int id) {
  return CreateWindowExW(0, kind, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

std::wstring ProgramFolder() {
  wchar_t name[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, name, MAX_PATH);
  std::wstring folder = name;
  return folder.substr(0, folder.find_last_of(L'\\'));
}

void Create(HWND hwnd) {
  HWND list = Child(hwnd, L"ListBox", nullptr, WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 10, 10, 200, 120, kList);
  for (const wchar_t* item : {L"Один", L"Два", L"Три, четыре"}) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  Child(hwnd, L"Edit", L"начало", WS_BORDER | ES_AUTOHSCROLL, 220, 10, 200, 24, kEdit);
  HWND combo = Child(hwnd, L"ComboBox", nullptr, CBS_DROPDOWNLIST | WS_VSCROLL, 220, 44, 200, 120, kCombo);
  for (const wchar_t* item : {L"Альфа", L"Бета"}) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  int y = 140;
  for (auto [id, caption] : {std::pair{kInfoButton, L"Сведения"}, std::pair{kStopButton, L"Стоп"},
                             std::pair{kWarnButton, L"Внимание"}, std::pair{kQuestionButton, L"Вопрос"},
                             std::pair{kPlainButton, L"Без значка"}}) {
    Child(hwnd, L"Button", caption, BS_PUSHBUTTON, 10, y, 120, 26, id);
    y += 30;
  }
  Child(hwnd, L"Button", L"Открыть", BS_PUSHBUTTON, 440, 10, 120, 26, kOpenButton);
  Child(hwnd, L"UiDriverPad", nullptr, WS_BORDER, 220, 140, 200, 140, kPad);
  statusLine = Child(hwnd, L"Static", L"ready", 0, 10, 300, 410, 20, kStatus);
  Child(hwnd, L"Static", ProgramFolder().c_str(), 0, 10, 324, 560, 20, kFolder);
  wchar_t current[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, current);
  Child(hwnd, L"Static", current, 0, 10, 348, 560, 20, kWorkDir);
}

void Command(HWND hwnd, int id, int code, HWND control) {
  struct Box { int id; UINT style; const wchar_t* text; };
  static const Box boxes[] = {
      {kInfoButton, MB_ICONINFORMATION, L"Сведения для проверки"},
      {kStopButton, MB_ICONSTOP, L"Ошибка для проверки"},
      {kWarnButton, MB_ICONWARNING, L"Предупреждение для проверки"},
      {kQuestionButton, MB_ICONQUESTION | MB_YESNO, L"Вопрос для проверки?"},
      {kPlainButton, MB_OK, L"Просто текст"},
  };
  for (const auto& box : boxes) {
    if (id == box.id && code == BN_CLICKED) {
      const int answer = MessageBoxW(hwnd, box.text, L"Цель", box.style);
      Status(L"box " + std::to_wstring(answer));
      return;
    }
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
  } else if (id == kCombo && code == CBN_SELCHANGE) {
    Status(L"combo " + std::to_wstring(SendMessageW(control, CB_GETCURSEL, 0, 0)));
  } else if (id == kAccelCtrlL) {
    Status(L"accel ctrl+l");
  } else if (id == kAccelAltK) {
    Status(L"accel alt+k");
  } else if (id == kMenuMark) {
    Status(L"menu mark");
  } else if (id == kMenuMarkRu) {
    Status(L"menu mark ru");
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
    case WM_DESTROY: PostQuitMessage(exitCode); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

void ReadCommandLine(const wchar_t* line) {
  const std::wstring text = line;
  if (text.find(L"/noclose") != std::wstring::npos) refuseClose = true;
  const auto exitAt = text.find(L"/exit ");
  if (exitAt != std::wstring::npos) exitCode = std::stoi(text.substr(exitAt + 6));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
  ReadCommandLine(commandLine);

  WNDCLASSW pad{};
  pad.style = CS_DBLCLKS;
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

  HMENU action = CreatePopupMenu();
  AppendMenuW(action, MF_STRING, kMenuMark, L"&Mark");
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(action), L"&Action");
  HMENU edit = CreatePopupMenu();
  AppendMenuW(edit, MF_STRING, kMenuMarkRu, L"&Отметить");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Правка");

  HWND hwnd = CreateWindowExW(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, 40, 40, 600, 440, nullptr,
                              bar, instance, nullptr);
  ShowWindow(hwnd, show);
  UpdateWindow(hwnd);

  ACCEL keys[] = {{FVIRTKEY | FCONTROL, 'L', kAccelCtrlL}, {FVIRTKEY | FALT, 'K', kAccelAltK}};
  HACCEL accelerators = CreateAcceleratorTableW(keys, 2);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorW(hwnd, accelerators, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  DestroyAcceleratorTable(accelerators);
  return static_cast<int>(msg.wParam);
}
