// SIGINT and SIGTERM on Linux (cancel_request.h).
#include <csignal>

#include "discpack/cancel_request.h"

namespace discfront::discpack {
namespace {

volatile std::sig_atomic_t asked = 0;

void OnSignal(int) { asked = 1; }

}  // namespace

void WatchForCancel() {
  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);
}

bool CancelAsked() { return asked != 0; }

}  // namespace discfront::discpack
