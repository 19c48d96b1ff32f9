// Memory that runs out on demand: inside a FailingAllocations scope the test program's
// own operator new (which asks AllocationsFail) throws std::bad_alloc on this thread,
// once the first `granted` allocations have been given.
// What runs inside should be only the call under test: the test's checks allocate too.
#pragma once

namespace discfront::testing {

class FailingAllocations {
 public:
  explicit FailingAllocations(int granted = 0);
  ~FailingAllocations();
  FailingAllocations(const FailingAllocations&) = delete;
  FailingAllocations& operator=(const FailingAllocations&) = delete;
};

bool AllocationsFail();

}  // namespace discfront::testing
