// Polling waits of the driver.
#include "uidriver/wait.h"

#include <windows.h>

namespace uidriver {

bool WaitUntil(const std::function<bool()>& condition, Milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    if (condition()) return true;
    Sleep(10);
  }
  return condition();
}

}  // namespace uidriver
