// How a program ends after a failure it cannot handle. Nothing ends the process from
// inside a window procedure: a failure that escapes one is kept here and the message
// loop is left; the program's main throws it again once its windows are gone, and
// RunProgram reports it. So every end passes the same way out: the windows are
// destroyed, the loop is left, the objects behind them (the launcher's notification
// icon among them) are undone in order, and only then the report is shown.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>

namespace win32 {

// Keeps the failure (the first one; later ones are consequences) and asks the message
// loop, and any modal loop it is inside, to end.
void KeepFailure(std::exception_ptr failure) noexcept;

// Throws the kept failure, if there is one, and forgets it.
void ThrowKeptFailure();

// Runs a program's body, which returns its exit code, then throws a kept failure. An
// exception that reaches here (a kept one, std::bad_alloc, a numbered error, anything)
// is shown as the default error report (that of a failure kept before it, if any: the
// first one); the exit code is then its error number.
int RunProgram(const std::function<int()>& body) noexcept;

}  // namespace win32
