// Ctrl+C and closing the console on Windows (cancel_request.h). Each arrives on a
// thread of its own; after a close the system ends the process once the handler
// returns, so the handler waits (the system allows it some seconds) while the
// writer, seeing the request, removes its unfinished file and the program ends.
#include <windows.h>

#include <atomic>

#include "discpack/cancel_request.h"

namespace discfront::discpack {
namespace {

std::atomic<bool> asked{false};

BOOL WINAPI OnControl(DWORD event) {
  asked = true;
  if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) Sleep(4000);
  return TRUE;
}

}  // namespace

void WatchForCancel() { SetConsoleCtrlHandler(&OnControl, TRUE); }

bool CancelAsked() { return asked; }

}  // namespace discfront::discpack
