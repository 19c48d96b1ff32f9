// Waits for another process's top-level window to be shown, without polling.
//
// Polling with EnumWindows every millisecond slows the program being measured under
// Wine: every poll is a round of wineserver requests for every window on the desktop,
// and the program under test needs the same single server for every window, DLL and
// file it touches. Instead a WinEvent hook reports each window the process creates
// (Wine reports creation but not showing), and only the window of the right class is
// then asked, once a millisecond, whether it is visible yet.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace discfront::bench {

// Milliseconds of the performance counter.
double NowMs();

// Milliseconds from CreateProcess of exe until its window of this class and title is
// shown, -1 on failure; the window is then closed and the system left to settle. The
// process starts suspended so that the watch is in place before it can show anything.
// With afterShownMs, the window is closed only once the program first waits for input
// (its start-up work done), and afterShownMs is the time from shown to then.
double TimeToShownWindow(const std::wstring& exe, const wchar_t* className, const wchar_t* title,
                         double* afterShownMs = nullptr);

class ShownWindowWatch {
 public:
  // Watches one process for a shown top-level window with this class and title.
  ShownWindowWatch(DWORD processId, std::wstring className, std::wstring title);
  ~ShownWindowWatch();
  ShownWindowWatch(const ShownWindowWatch&) = delete;
  ShownWindowWatch& operator=(const ShownWindowWatch&) = delete;

  // Pumps this thread's messages until the window is shown; nullptr after the time-out.
  // shownAtMs is when this thread saw it shown.
  HWND Wait(DWORD timeoutMs, double* shownAtMs = nullptr);

 private:
  static void CALLBACK OnCreate(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD);
  bool IsShown(HWND hwnd) const;

  std::wstring className_;
  std::wstring title_;
  HWINEVENTHOOK hook_ = nullptr;
  std::vector<HWND> candidates_;  // the process's top-level windows of that class
};

}  // namespace discfront::bench
