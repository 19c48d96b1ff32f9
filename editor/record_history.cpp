// Carrying changes out and back, and the undo and redo steps over them.
#include "record_history.h"

#include <algorithm>
#include <string>
#include <utility>

namespace discfront::editor {
namespace {

using Index = std::vector<CatalogueEntry>::difference_type;

// The rows at `from` (ascending) end up at `to` (ascending, as many), in the same order;
// the other rows keep theirs and fill the places left.
void Permute(std::vector<CatalogueEntry>& records, const int* from, const int* to, std::size_t n) {
  std::vector<CatalogueEntry> moved;
  std::vector<CatalogueEntry> rest;
  moved.reserve(n);
  rest.reserve(records.size() - n);
  std::size_t p = 0;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (p < n && static_cast<std::size_t>(from[p]) == i) {
      moved.push_back(std::move(records[i]));
      ++p;
    } else {
      rest.push_back(std::move(records[i]));
    }
  }
  std::size_t m = 0;
  std::size_t r = 0;
  for (std::size_t i = 0; i < records.size(); ++i) {
    records[i] = m < n && static_cast<std::size_t>(to[m]) == i ? std::move(moved[m++]) : std::move(rest[r++]);
  }
}

void InsertRows(std::vector<CatalogueEntry>& records, const RecordChange& change) {
  for (std::size_t i = 0; i < change.rows.size(); ++i) {
    records.insert(records.begin() + static_cast<Index>(change.rows[i]), change.entries[i]);
  }
}

std::vector<int> RemoveRows(std::vector<CatalogueEntry>& records, const std::vector<int>& rows) {
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) records.erase(records.begin() + static_cast<Index>(*it));
  if (records.empty()) return {};
  return {std::min(rows.front(), static_cast<int>(records.size()) - 1)};
}

std::size_t HeapBytes(const std::wstring& text) {
  // Short texts live inside the string object itself.
  const auto* data = reinterpret_cast<const char*>(text.data());
  const auto* self = reinterpret_cast<const char*>(&text);
  if (data >= self && data < self + sizeof text) return 0;
  return (text.capacity() + 1) * sizeof(wchar_t);
}

std::size_t HeapBytes(const RecordChange& change) {
  std::size_t bytes = change.rows.capacity() * sizeof(int) + change.entries.capacity() * sizeof(CatalogueEntry);
  for (const CatalogueEntry& e : change.entries) {
    bytes += HeapBytes(e.path) + HeapBytes(e.title) + HeapBytes(e.comment) + HeapBytes(e.picture);
  }
  return bytes;
}

}  // namespace

std::vector<int> ApplyChange(std::vector<CatalogueEntry>& records, const RecordChange& change, bool forward) {
  switch (change.kind) {
    case RecordChange::Kind::kSet:
      records.at(static_cast<std::size_t>(change.rows.front())) = change.entries[forward ? 1 : 0];
      return change.rows;
    case RecordChange::Kind::kInsert:
    case RecordChange::Kind::kRemove:
      if (forward == (change.kind == RecordChange::Kind::kInsert)) {
        InsertRows(records, change);
        return change.rows;
      }
      return RemoveRows(records, change.rows);
    case RecordChange::Kind::kMove: {
      const std::size_t n = change.rows.size() / 2;
      const int* before = change.rows.data();
      const int* after = before + n;
      if (!forward) std::swap(before, after);
      Permute(records, before, after, n);
      return {after, after + n};
    }
  }
  return {};
}

void RecordHistory::Add(RecordChange change) {
  changes_.resize(done_);
  if (saved_ > done_ && saved_ != kSaveLost) saved_ = kSaveLost;
  changes_.push_back(std::move(change));
  ++done_;
}

std::vector<const RecordChange*> RecordHistory::Undo() {
  std::vector<const RecordChange*> step;
  while (done_ > 0) {
    const RecordChange& change = changes_[--done_];
    step.push_back(&change);
    if (!change.joinsPrevious) break;
  }
  return step;
}

std::vector<const RecordChange*> RecordHistory::Redo() {
  std::vector<const RecordChange*> step;
  while (done_ < changes_.size()) {
    step.push_back(&changes_[done_++]);
    if (done_ == changes_.size() || !changes_[done_].joinsPrevious) break;
  }
  return step;
}

std::size_t RecordHistory::HeldBytes() const {
  std::size_t bytes = changes_.capacity() * sizeof(RecordChange);
  for (const RecordChange& change : changes_) bytes += HeapBytes(change);
  return bytes;
}

}  // namespace discfront::editor
