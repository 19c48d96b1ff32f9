#include "bench/launcher/shown_window.h"

#include <algorithm>

#include "bench/launcher/settle.h"

namespace discfront::bench {

namespace {
// The hook's callback has no context argument; one watch runs at a time per thread.
thread_local ShownWindowWatch* t_active = nullptr;
}  // namespace

double NowMs() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

ShownWindowWatch::ShownWindowWatch(DWORD processId, std::wstring className, std::wstring title)
    : className_(std::move(className)), title_(std::move(title)) {
  t_active = this;
  hook_ = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr, &ShownWindowWatch::OnCreate, processId,
                          0, WINEVENT_OUTOFCONTEXT);
}

ShownWindowWatch::~ShownWindowWatch() {
  if (hook_ != nullptr) UnhookWinEvent(hook_);
  t_active = nullptr;
}

void CALLBACK ShownWindowWatch::OnCreate(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
  ShownWindowWatch* watch = t_active;
  if (watch == nullptr || object != OBJID_WINDOW || child != CHILDID_SELF) return;
  if (GetAncestor(hwnd, GA_PARENT) != GetDesktopWindow()) return;
  wchar_t cls[64] = {};
  GetClassNameW(hwnd, cls, 64);
  if (watch->className_ == cls) watch->candidates_.push_back(hwnd);
}

bool ShownWindowWatch::IsShown(HWND hwnd) const {
  if (!IsWindowVisible(hwnd)) return false;
  wchar_t text[128] = {};
  GetWindowTextW(hwnd, text, 128);
  return title_ == text;
}

HWND ShownWindowWatch::Wait(DWORD timeoutMs, double* shownAtMs) {
  if (hook_ == nullptr) return nullptr;
  const double deadline = NowMs() + timeoutMs;
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    const auto shown = std::find_if(candidates_.begin(), candidates_.end(), [&](HWND h) { return IsShown(h); });
    const double now = NowMs();
    if (shown != candidates_.end()) {
      if (shownAtMs != nullptr) *shownAtMs = now;
      return *shown;
    }
    if (now >= deadline) return nullptr;
    // Until a window of the class exists only the hook's messages can change anything.
    const DWORD wait = candidates_.empty() ? static_cast<DWORD>(deadline - now) + 1 : 1;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
  }
}

double TimeToShownWindow(const std::wstring& exe, const wchar_t* className, const wchar_t* title,
                         double* afterShownMs) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  const double start = NowMs();
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                      &si, &pi)) {
    return -1;
  }
  double elapsed = -1;
  {
    ShownWindowWatch watch(pi.dwProcessId, className, title);
    ResumeThread(pi.hThread);
    double shownAt = 0;
    if (HWND shown = watch.Wait(30000, &shownAt)) {
      elapsed = shownAt - start;
      if (afterShownMs != nullptr) {
        *afterShownMs = WaitForInputIdle(pi.hProcess, 10000) == 0 ? NowMs() - shownAt : -1;
      }
      PostMessageW(shown, WM_CLOSE, 0, 0);  // the programs timed end when their window is closed
    }
  }
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  LetThePreviousProgramSettle();
  return elapsed;
}

}  // namespace discfront::bench
