// Pauses between one measured program's end and the next start.
//
// A program's end is finished off after its process has gone: the display driver, the
// notification area and the server tear down its windows and icons. A program started
// at once shared the processors with that work and took up to twice as long, by an
// amount that depended on what ran before it.
//
// Other work on the machine (a build, another program's tests) does the same from
// outside: a start that shares the processors with it is timed several times over,
// by an amount that changes from one start to the next.
#pragma once

#include <windows.h>

namespace discfront::bench {

inline void LetThePreviousProgramSettle() { Sleep(300); }

// Waits, at most timeoutMs, for a tenth of a second in which the processors were idle
// three quarters of the time or more. False when there was none: the processors are
// busy with other work.
inline bool WaitForIdleProcessors(DWORD timeoutMs) {
  constexpr DWORD kWindowMs = 100;
  constexpr double kIdleShare = 0.75;
  auto ticks = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  FILETIME idle{}, kernel{}, user{};
  if (!GetSystemTimes(&idle, &kernel, &user)) return true;  // cannot tell: taken as idle
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    Sleep(kWindowMs);
    FILETIME idleNow{}, kernelNow{}, userNow{};
    GetSystemTimes(&idleNow, &kernelNow, &userNow);
    // Kernel time includes the idle time.
    const ULONGLONG idleTicks = ticks(idleNow) - ticks(idle);
    const ULONGLONG allTicks = ticks(kernelNow) - ticks(kernel) + ticks(userNow) - ticks(user);
    if (allTicks > 0 && static_cast<double>(idleTicks) >= kIdleShare * static_cast<double>(allTicks)) return true;
    if (GetTickCount64() >= deadline) return false;
    idle = idleNow;
    kernel = kernelNow;
    user = userNow;
  }
}

}  // namespace discfront::bench
