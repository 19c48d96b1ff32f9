#include "tests/failing_allocations.h"

namespace discfront::testing {
namespace {
thread_local bool g_failing = false;
thread_local int g_granted = 0;
}  // namespace

FailingAllocations::FailingAllocations(int granted) {
  g_failing = true;
  g_granted = granted;
}
FailingAllocations::~FailingAllocations() { g_failing = false; }
bool AllocationsFail() { return g_failing && g_granted-- <= 0; }

}  // namespace discfront::testing
