#include "win32/program_end.h"

#include <utility>

#include "win32/error_report.h"

namespace win32 {
namespace {

std::exception_ptr g_kept;

}  // namespace

void KeepFailure(std::exception_ptr failure) noexcept {
  if (!g_kept) g_kept = std::move(failure);
  PostQuitMessage(1);
}

void ThrowKeptFailure() {
  if (std::exception_ptr failure = std::exchange(g_kept, nullptr)) std::rethrow_exception(failure);
}

int RunProgram(const std::function<int()>& body) noexcept {
  try {
    const int exitCode = body();
    ThrowKeptFailure();
    return exitCode;
  } catch (...) {
    // The body's objects are gone by now: no window of the program is left to own the
    // report. The end of the main window asked the loop to end; that request would end
    // the report's own loop at once, so it goes.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    // A failure kept before this one reached here came first; this one may be its
    // consequence. One report, of the first.
    std::exception_ptr failure = std::exchange(g_kept, nullptr);
    const ErrorReport report = ReportOf(failure ? failure : std::current_exception());
    ShowErrorReport(nullptr, report);
    return report.number == discfront::ErrorNumber::kNone ? 1 : discfront::ToInt(report.number);
  }
}

}  // namespace win32
