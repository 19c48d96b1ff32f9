// Polling waits: the driver never sleeps a fixed time, it re-checks a condition until a time-out.
#pragma once

#include <chrono>
#include <functional>

namespace uidriver {

using Milliseconds = std::chrono::milliseconds;

// Generous, because the machine is shared and Wine starts programs slowly; a wait
// that succeeds returns as soon as its condition holds.
inline constexpr Milliseconds kDefaultTimeout{15000};

// Calls condition every few milliseconds until it returns true (then true) or the
// time-out passes (then false; the condition is checked once more at the end).
bool WaitUntil(const std::function<bool()>& condition, Milliseconds timeout = kDefaultTimeout);

}  // namespace uidriver
