// The sample disc's first program: a small window that says what it is and what it
// was given; it closes only when the user closes it. When the environment variable
// DISCFRONT_SAMPLE_REPORT names a file, it first writes there how it was started (the
// launcher's tests and benchmark read it): its performance counter at start, its show
// state, its command line and its working folder, one per line, in UTF-8.
#include <windows.h>

#include <string>

namespace {

std::wstring g_arguments;  // shown in the window

void Report(LONGLONG startCounter, int show) {
  wchar_t file[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"DISCFRONT_SAMPLE_REPORT", file, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  wchar_t folder[MAX_PATH] = {};
  const DWORD folderLength = GetCurrentDirectoryW(MAX_PATH, folder);
  if (folderLength >= MAX_PATH) folder[0] = L'\0';
  const std::wstring text = L"start=" + std::to_wstring(startCounter) + L"\nshow=" + std::to_wstring(show) +
                            L"\ncommandline=" + GetCommandLineW() + L"\nfolder=" + folder + L"\n";
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                      nullptr);
  // Written whole under a temporary name, then renamed, so a reader never sees half.
  const std::wstring partial = std::wstring(file) + L".part";
  HANDLE out = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(out);
  MoveFileExW(partial.c_str(), file, MOVEFILE_REPLACE_EXISTING);
}

constexpr wchar_t kClassName[] = L"DiscfrontSampleHello";

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      RECT client;
      GetClientRect(hwnd, &client);
      SetBkMode(dc, TRANSPARENT);
      HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
      std::wstring text =
          L"Здравствуйте!\n\nЭто программа-пример с диска Korvel Discfront.\n"
          L"Закройте окно, когда насмотритесь.";
      if (!g_arguments.empty()) text += L"\n\nПараметры запуска: " + g_arguments;
      DrawTextW(dc, text.c_str(), -1, &client, DT_CENTER | DT_WORDBREAK);
      SelectObject(dc, oldFont);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int show) {
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  Report(start.QuadPart, show);
  g_arguments = arguments != nullptr ? arguments : L"";
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kClassName;
  RegisterClassW(&windowClass);
  HWND hwnd = CreateWindowExW(0, kClassName, L"Приветствие — пример", WS_OVERLAPPEDWINDOW,
                              CW_USEDEFAULT, CW_USEDEFAULT, 420, 200, nullptr, nullptr, instance, nullptr);
  ShowWindow(hwnd, show);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
