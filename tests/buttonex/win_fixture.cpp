// Test helpers of the button's window tests.
#include "tests/buttonex/win_fixture.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "tests/failing_allocations.h"
#include "win32/app_folder.h"

// The button objects of the test program live on pages of their own that become
// unreadable when the object is freed, so any use after the free stops the program;
// and memory runs out on demand (failing_allocations.h).
namespace {

std::array<void*, 256> g_guarded{};
std::size_t g_guardedCount = 0;

bool IsGuarded(void* p) {
  for (std::size_t i = 0; i < g_guardedCount; ++i) {
    if (g_guarded[i] == p) return true;
  }
  return false;
}

}  // namespace

void* operator new(std::size_t size) {
  if (discfront::testing::AllocationsFail()) throw std::bad_alloc();
  if (size == sizeof(discfront::buttonex::ButtonEx) && g_guardedCount < g_guarded.size()) {
    if (void* p = VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE)) {
      g_guarded[g_guardedCount++] = p;
      return p;
    }
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
  if (p == nullptr) return;
  DWORD old = 0;
  if (IsGuarded(p)) {
    VirtualProtect(p, sizeof(discfront::buttonex::ButtonEx), PAGE_NOACCESS, &old);  // kept, never reused
    return;
  }
  std::free(p);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace discfront::buttonex::testing {

namespace {

// One top-level window for the whole test program: taking a top-level window off a
// display without a window manager makes the window system wait, so each test's
// container is a child of this one.
HWND Desk() {
  static HWND desk = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ButtonExTestDesk";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 50, 50, 10, 10,
                           nullptr, nullptr, wc.hInstance, nullptr);
  }();
  SetWindowPos(desk, HWND_TOP, 50, 50, 400, 300, SWP_SHOWWINDOW);
  SetForegroundWindow(desk);
  return desk;
}

}  // namespace

Container::Container() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &Container::Proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"ButtonExTestContainer";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassW(&wc);
  hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"test", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 400, 300, Desk(),
                          nullptr, wc.hInstance, this);
  Pump();
}

Container::~Container() { DestroyWindow(hwnd_); }

ButtonEx* Container::Add(int id, int x, int y, const PropertyBag* saved) {
  ButtonEx* button = saved != nullptr ? ButtonEx::Create(hwnd_, id, x, y, *saved) : ButtonEx::Create(hwnd_, id, x, y);
  events.clear();
  commandClicks = 0;
  return button;
}

void Container::Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

LRESULT CALLBACK Container::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<Container*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self != nullptr && msg == WM_NOTIFY) {
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (hdr->code != kBxnPropertyChanged) {
      const auto* nm = reinterpret_cast<const NmButtonEx*>(lParam);
      self->events.push_back(nm->args.event);
      if (self->react) self->react(hdr->hwndFrom, nm->args.event);
    }
    return 0;
  }
  if (self != nullptr && msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    ++self->commandClicks;
    if (self->react) self->react(reinterpret_cast<HWND>(lParam), std::nullopt);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

std::string Hex(COLORREF c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%06lX", static_cast<unsigned long>(c));
  return buf;
}

std::wstring TestDataPath(const wchar_t* name) {
  return win32::ApplicationFolder() + L"\\data\\" + name;
}

}  // namespace discfront::buttonex::testing
