// Memory that runs out on demand: while a FailingAllocations lives, the test program's
// own operator new (which asks AllocationsFail) throws std::bad_alloc on this thread
// once the first `granted` allocations have been given. Only the call under test should
// run meanwhile: the test's own checks allocate too.
#pragma once

namespace discfront::testing {

struct FailingAllocations {
  explicit FailingAllocations(int granted = 0);
  ~FailingAllocations();
};

bool AllocationsFail();

}  // namespace discfront::testing
