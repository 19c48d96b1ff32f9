// The yardstick for the launcher's start-up time: the plainest competent Win32
// program that does the launcher's required work before it shows its window. Visual
// styles (the launcher's manifest), COM, a popup window with a list box and a
// read-only edit box, four owner-drawn buttons that each load the three button
// bitmaps, the notification icon, the window cut to back.bmp's non-magenta pixels,
// then info.txt shown and the titles of content.lnc listed. It uses nothing of the
// launcher's own code, and nothing the launcher could not use too.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr UINT kTrayMessage = WM_APP + 1;

struct Button {
  HWND hwnd = nullptr;
  HBITMAP up = nullptr, over = nullptr, down = nullptr;
};

std::wstring g_folder;
HBITMAP g_back = nullptr;
Button g_buttons[4];
NOTIFYICONDATAW g_tray{};

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\'));
}

HBITMAP LoadSkin(const wchar_t* name, UINT flags = 0) {
  const std::wstring path = g_folder + L"\\skin\\" + name;
  return static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | flags));
}

std::string ReadDiscFile(const wchar_t* name) {
  std::string bytes;
  HANDLE file = CreateFileW((g_folder + L"\\" + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  LARGE_INTEGER size{};
  GetFileSizeEx(file, &size);
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  bytes.resize(read);
  CloseHandle(file);
  return bytes;
}

// The file's items (ended by a comma or a line end, quoted ones running to the closing
// quote) joined into one Windows-1251 text.
std::wstring ItemText(const std::string& bytes) {
  std::string joined;
  bool quoted = false;
  bool itemStart = true;
  for (const char c : bytes) {
    if (c == '"') {
      quoted = !quoted;
      itemStart = false;
    } else if (!quoted && (c == ',' || c == '\r' || c == '\n')) {
      itemStart = true;
    } else if (!(itemStart && c == ' ')) {
      joined += c;
      itemStart = false;
    }
  }
  std::wstring text(joined.size(), L'\0');
  text.resize(static_cast<std::size_t>(MultiByteToWideChar(1251, 0, joined.data(), static_cast<int>(joined.size()),
                                                           text.data(), static_cast<int>(text.size()))));
  return text;
}

// The window's outline: the runs of kept pixels of each row, a row equal to the one
// above widening that row's rectangles, all in one ExtCreateRegion.
HRGN OutlineOf(HBITMAP bitmap) {
  DIBSECTION dib{};
  if (GetObjectW(bitmap, sizeof dib, &dib) != sizeof dib || dib.dsBm.bmBitsPixel != 24) return nullptr;
  const int width = dib.dsBm.bmWidth, height = dib.dsBm.bmHeight;
  const auto* bits = static_cast<const BYTE*>(dib.dsBm.bmBits);
  auto kept = [](const BYTE* p) { return RGB(p[2], p[1], p[0]) != kKey; };
  std::vector<RECT> rects;
  std::vector<LONG> runs, previous;
  std::size_t bandFrom = 0;
  for (int y = 0; y < height; ++y) {
    const BYTE* row = bits + static_cast<std::ptrdiff_t>(height - 1 - y) * dib.dsBm.bmWidthBytes;  // bottom-up
    runs.clear();
    for (int x = 0; x < width;) {
      while (x < width && !kept(row + 3 * x)) ++x;
      if (x == width) break;
      runs.push_back(x);
      while (x < width && kept(row + 3 * x)) ++x;
      runs.push_back(x);
    }
    if (y > 0 && runs == previous) {
      for (std::size_t i = bandFrom; i < rects.size(); ++i) rects[i].bottom = y + 1;
      continue;
    }
    bandFrom = rects.size();
    for (std::size_t i = 0; i < runs.size(); i += 2) rects.push_back({runs[i], y, runs[i + 1], y + 1});
    previous.swap(runs);
  }
  std::vector<BYTE> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(rects.size());
  header->rcBound = {0, 0, width, height};
  if (!rects.empty()) CopyMemory(data.data() + sizeof(RGNDATAHEADER), rects.data(), rects.size() * sizeof(RECT));
  return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
}

void DrawButton(const DRAWITEMSTRUCT& item) {
  for (const Button& button : g_buttons) {
    if (button.hwnd != item.hwndItem) continue;
    const HBITMAP skin = (item.itemState & ODS_SELECTED) ? button.down : button.up;
    BITMAP size{};
    GetObjectW(skin, sizeof size, &size);
    HDC source = CreateCompatibleDC(item.hDC);
    const HGDIOBJ old = SelectObject(source, skin);
    GdiTransparentBlt(item.hDC, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, size.bmWidth, size.bmHeight, kKey);
    SelectObject(source, old);
    DeleteDC(source);
    wchar_t caption[64];
    GetWindowTextW(item.hwndItem, caption, 64);
    RECT box = item.rcItem;
    SetBkMode(item.hDC, TRANSPARENT);
    DrawTextW(item.hDC, caption, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

void PaintBack(HDC hdc) {
  BITMAP size{};
  GetObjectW(g_back, sizeof size, &size);
  HDC source = CreateCompatibleDC(hdc);
  const HGDIOBJ old = SelectObject(source, g_back);
  BitBlt(hdc, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      if (g_back == nullptr) break;
      PaintBack(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_DRAWITEM:
      DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_DESTROY:
      Shell_NotifyIconW(NIM_DELETE, &g_tray);
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  g_folder = ProgramFolder();

  const HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  WNDCLASSW wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hIcon = icon;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"EqualWorkWindow";
  RegisterClassW(&wc);
  HWND hwnd = CreateWindowExW(WS_EX_CONTROLPARENT | WS_EX_APPWINDOW, wc.lpszClassName, L"Equal work",
                              WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU, 100, 100, 530, 349, nullptr, nullptr, instance,
                              nullptr);

  // The controls, in "MS Sans Serif" 8 pt.
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const HFONT font = CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET, 0, 0,
                                 0, 0, L"MS Sans Serif");
  auto control = [&](const wchar_t* cls, DWORD style, int id, int x, int y, int w, int h) {
    HWND child = CreateWindowExW(WS_EX_CLIENTEDGE, cls, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, w, h,
                                 hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
  };
  HWND list = control(L"LISTBOX", WS_VSCROLL | LBS_NOTIFY, 10, 24, 32, 281, 290);
  HWND text = control(L"EDIT", WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, 11, 312, 160, 169, 161);

  // Each button loads its own three pictures and takes the size of the first.
  const wchar_t* captions[] = {L"&Установить", L"&Картинка", L"&О программе", L"&Выход"};
  for (int i = 0; i < 4; ++i) {
    Button& button = g_buttons[i];
    button.up = LoadSkin(L"button.bmp");
    button.over = LoadSkin(L"buttonmove.bmp");
    button.down = LoadSkin(L"buttondown.bmp");
    BITMAP size{};
    GetObjectW(button.up, sizeof size, &size);
    button.hwnd = CreateWindowExW(0, L"BUTTON", captions[i], WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 312,
                                  32 + 32 * i, size.bmWidth, size.bmHeight, hwnd,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(20 + i)), instance, nullptr);
    SendMessageW(button.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }

  g_tray.cbSize = sizeof g_tray;
  g_tray.hWnd = hwnd;
  g_tray.uID = 1;
  g_tray.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  g_tray.uCallbackMessage = kTrayMessage;
  g_tray.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  lstrcpynW(g_tray.szTip, L"Equal work", ARRAYSIZE(g_tray.szTip));
  Shell_NotifyIconW(NIM_ADD, &g_tray);

  g_back = LoadSkin(L"back.bmp", LR_CREATEDIBSECTION);
  BITMAP backSize{};
  GetObjectW(g_back, sizeof backSize, &backSize);
  SetWindowPos(hwnd, nullptr, 0, 0, backSize.bmWidth, backSize.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (HRGN outline = OutlineOf(g_back)) {
    if (!SetWindowRgn(hwnd, outline, TRUE)) DeleteObject(outline);
  }

  SetWindowTextW(text, ItemText(ReadDiscFile(L"info.txt")).c_str());
  // Records are "&" path "#" title "$" comment "@" picture.
  const std::wstring catalogue = ItemText(ReadDiscFile(L"content.lnc"));
  for (std::size_t at = catalogue.find(L'&'); at != std::wstring::npos; at = catalogue.find(L'&', at + 1)) {
    const std::size_t title = catalogue.find(L'#', at);
    const std::size_t comment = catalogue.find(L'$', title);
    if (comment == std::wstring::npos) break;
    const std::wstring item = catalogue.substr(title + 1, comment - title - 1);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    at = comment;
  }

  ShowWindow(hwnd, showCommand == SW_HIDE ? SW_SHOW : showCommand);
  UpdateWindow(hwnd);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(hwnd, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  CoUninitialize();
  return 0;
}
