#include "tests/failing_allocations.h"

namespace discfront::testing {
namespace {
thread_local int g_granted = -1;  // -1: not failing
}  // namespace

FailingAllocations::FailingAllocations(int granted) { g_granted = granted; }
FailingAllocations::~FailingAllocations() { g_granted = -1; }
bool AllocationsFail() { return g_granted > 0 ? (--g_granted, false) : g_granted == 0; }

}  // namespace discfront::testing
