// What the editor's history holds per change: 1000 single-row moves (Alt+Up and Alt+Down
// at scattered rows) on a 1001-record catalogue with long comments, counted by the
// memory the process holds afterwards (every allocation's usable size, taken through
// the replaced global allocator) and by the history's own accounting.
//   editor_history_bytes_per_move - live bytes added per move, all allocations counted
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "bench/editor/long_records.h"
#include "bench/figure_reporter.h"
#include "editor/record_store.h"

namespace {

long long liveBytes = 0;

void* Allocate(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) throw std::bad_alloc();
  liveBytes += static_cast<long long>(malloc_usable_size(p));
  return p;
}

void Free(void* p) noexcept {
  if (p == nullptr) return;
  liveBytes -= static_cast<long long>(malloc_usable_size(p));
  std::free(p);
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, std::size_t) noexcept { Free(p); }
void operator delete[](void* p, std::size_t) noexcept { Free(p); }

int main() {
  using namespace discfront;
  editor::RecordStore store(bench::LongRecords());
  constexpr int kMoves = 1000;
  const long long before = liveBytes;
  const std::size_t heldBefore = store.History().HeldBytes();
  for (int i = 0; i < kMoves; ++i) {
    const int row = 1 + (i * 389) % (kSlotCount - 2);  // scattered rows, never at an edge
    if (store.MoveRows({row}, i % 2 == 0 ? -1 : 1) != editor::Notice::kNone) return 1;
  }
  const long long added = liveBytes - before;
  const double held = static_cast<double>(store.History().HeldBytes() - heldBefore) / kMoves;
  std::printf("history's own accounting: %.1f bytes per move\n", held);
  bench::PrintFigure("editor_history_bytes_per_move", static_cast<double>(added) / kMoves, "bytes");
  // Undoing every move gives back the opened catalogue (how long the store alone takes
  // for it is shown beside the figure, not as one: the figure is the window's, under Wine).
  const auto start = std::chrono::steady_clock::now();
  while (store.CanUndo()) store.Undo();
  std::printf("the store's undo of %d moves: %.1f ms\n", kMoves,
              std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  return store.HasUnsavedChanges() ? 1 : 0;
}
