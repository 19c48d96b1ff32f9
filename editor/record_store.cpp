// Record store commands: navigation, Insert, Delete, the store-before-save step, the
// list's commands on sets of rows, and undo and redo through the history.
#include "record_store.h"
#include "base/decimal_text.h"
#include "base/texts.h"
#include "editor_texts.h"

#include <algorithm>
#include <utility>

namespace discfront::editor {
namespace {

bool HasSeparator(const std::wstring& text) {
  return text.find_first_of(L"@#&$") != std::wstring::npos;
}

}  // namespace

bool HasForbiddenCharacters(const CatalogueEntry& fields) {
  for (const std::wstring* text : {&fields.title, &fields.path, &fields.picture, &fields.comment}) {
    if (HasSeparator(*text)) return true;
  }
  return false;
}

bool IsComplete(const CatalogueEntry& fields) {
  return !fields.title.empty() && !fields.path.empty() && !fields.picture.empty() && !fields.comment.empty();
}

std::wstring RecordLabel(int k) { return FormatText(kTextRecordItem, {DecimalText(k + 1)}); }

RecordStore::RecordStore() : records_(1), selection_{0} {}

RecordStore::RecordStore(std::vector<CatalogueEntry> records)
    : records_(std::move(records)), currentIndex_(records_.empty() ? -1 : 0) {
  if (!records_.empty()) {
    fields_ = records_.front();
    selection_ = {0};
  }
}

Notice RecordStore::Validate() const {
  if (HasForbiddenCharacters(fields_)) return Notice::kForbiddenCharacters;
  if (!IsComplete(fields_)) return Notice::kIncomplete;
  return Notice::kNone;
}

bool RecordStore::Typed() const {
  return currentIndex_ >= 0 && records_[static_cast<std::size_t>(currentIndex_)] != fields_;
}

// Stores the typed record as a change of its own; the selection stays.
bool RecordStore::StoreFields() {
  if (!Typed()) return false;
  RecordChange change{RecordChange::Kind::kSet, false, {currentIndex_},
                      {records_[static_cast<std::size_t>(currentIndex_)], fields_}};
  ApplyChange(records_, change, true);
  history_.Add(std::move(change));
  return true;
}

Notice RecordStore::StoreTypingBefore(bool& stored) {
  stored = false;
  if (!Typed()) return Notice::kNone;
  if (const Notice notice = Validate(); notice != Notice::kNone) return notice;
  stored = StoreFields();
  return Notice::kNone;
}

void RecordStore::Carry(RecordChange change) {
  Show(ApplyChange(records_, change, true));
  history_.Add(std::move(change));
}

void RecordStore::Show(std::vector<int> rows) {
  selection_ = std::move(rows);
  currentIndex_ = selection_.empty() ? -1 : selection_.front();
  fields_ = currentIndex_ < 0 ? CatalogueEntry{} : records_[static_cast<std::size_t>(currentIndex_)];
}

std::vector<int> RecordStore::InRange(std::vector<int> rows) const {
  std::erase_if(rows, [this](int k) { return k < 0 || k > LastIndex(); });
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

Notice RecordStore::Navigate(int j) {
  if (j < 0 || j > LastIndex() || j == currentIndex_ || currentIndex_ < 0) return Notice::kNone;
  const Notice notice = Validate();
  // An empty field keeps the user on the record without a word: the list simply
  // goes back to it.
  if (notice == Notice::kIncomplete) return Notice::kNone;
  if (notice != Notice::kNone) return notice;
  StoreFields();
  Show({j});
  return Notice::kNone;
}

Notice RecordStore::Select(std::vector<int> rows, int focus) {
  rows = InRange(std::move(rows));
  if (!std::binary_search(rows.begin(), rows.end(), focus)) return Notice::kNone;
  if (focus != currentIndex_) {
    const Notice notice = Navigate(focus);
    if (currentIndex_ != focus) return notice;
  }
  selection_ = std::move(rows);
  return Notice::kNone;
}

Notice RecordStore::Insert() { return InsertEmpty(false); }
Notice RecordStore::InsertNext() { return InsertEmpty(true); }

Notice RecordStore::InsertEmpty(bool next) {
  // With no records there is nothing the text boxes edit (the window keeps them
  // read-only): the user is told to start a catalogue, whatever the boxes hold.
  if (records_.empty()) return Notice::kNoRecords;
  if (const Notice notice = Validate(); notice != Notice::kNone) return notice;
  if (Count() >= kSlotCount) return Notice::kStoreFull;
  // What was typed into the current record is kept whichever way the record goes.
  const bool stored = StoreFields();
  const int place = next ? currentIndex_ + 1 : currentIndex_ < LastIndex() ? currentIndex_ : Count();
  Carry({RecordChange::Kind::kInsert, stored, {place}, {CatalogueEntry{}}});
  return Notice::kNone;
}

void RecordStore::Delete() {
  if (records_.empty()) return;
  // Deleting the last record selects the new last one: while records remain,
  // one of them is always being edited.
  Carry({RecordChange::Kind::kRemove, false, {currentIndex_}, {records_[static_cast<std::size_t>(currentIndex_)]}});
}

Notice RecordStore::StoreForSave() {
  if (records_.empty()) return Notice::kNone;
  if (const Notice notice = Validate(); notice != Notice::kNone) return notice;
  StoreFields();
  return Notice::kNone;
}

Notice RecordStore::InsertAfter(int row) {
  return AddEntries(row, {CatalogueEntry{}});
}

Notice RecordStore::AddEntries(int after, const std::vector<CatalogueEntry>& entries) {
  if (after < -1 || after > LastIndex() || entries.empty()) return Notice::kNone;
  if (std::any_of(entries.begin(), entries.end(), HasForbiddenCharacters)) return Notice::kForbiddenCharacters;
  if (Count() + static_cast<int>(entries.size()) > kSlotCount) return Notice::kStoreFull;
  bool stored = false;
  if (const Notice notice = StoreTypingBefore(stored); notice != Notice::kNone) return notice;
  RecordChange change{RecordChange::Kind::kInsert, stored, {}, entries};
  for (int i = 0; i < static_cast<int>(entries.size()); ++i) change.rows.push_back(after + 1 + i);
  Carry(std::move(change));
  return Notice::kNone;
}

Notice RecordStore::SetRecord(int row, const CatalogueEntry& entry) {
  if (row < 0 || row > LastIndex()) return Notice::kNone;
  if (HasForbiddenCharacters(entry)) return Notice::kForbiddenCharacters;
  bool stored = false;
  if (const Notice notice = StoreTypingBefore(stored); notice != Notice::kNone) return notice;
  const CatalogueEntry& before = records_[static_cast<std::size_t>(row)];
  if (before == entry) return Notice::kNone;
  Carry({RecordChange::Kind::kSet, stored, {row}, {before, entry}});
  return Notice::kNone;
}

Notice RecordStore::DeleteRows(std::vector<int> rows) {
  rows = InRange(std::move(rows));
  if (rows.empty()) return Notice::kNone;
  bool stored = false;
  if (!std::binary_search(rows.begin(), rows.end(), currentIndex_)) {
    if (const Notice notice = StoreTypingBefore(stored); notice != Notice::kNone) return notice;
  }
  RecordChange change{RecordChange::Kind::kRemove, stored, rows, {}};
  for (int k : rows) change.entries.push_back(records_[static_cast<std::size_t>(k)]);
  Carry(std::move(change));
  return Notice::kNone;
}

Notice RecordStore::Move(const std::vector<int>& from, const std::vector<int>& to) {
  if (from == to) return Notice::kNone;
  bool stored = false;
  if (const Notice notice = StoreTypingBefore(stored); notice != Notice::kNone) return notice;
  RecordChange change{RecordChange::Kind::kMove, stored, from, {}};
  change.rows.insert(change.rows.end(), to.begin(), to.end());
  Carry(std::move(change));
  return Notice::kNone;
}

Notice RecordStore::MoveRows(std::vector<int> rows, int step) {
  const std::vector<int> from = InRange(std::move(rows));
  std::vector<int> to = from;
  const int n = static_cast<int>(from.size());
  if (step < 0) {
    for (int i = 0; i < n; ++i) to[i] = std::max(from[i] - 1, i == 0 ? 0 : to[i - 1] + 1);
  } else if (step > 0) {
    for (int i = n - 1; i >= 0; --i) to[i] = std::min(from[i] + 1, i == n - 1 ? LastIndex() : to[i + 1] - 1);
  }
  return Move(from, to);
}

Notice RecordStore::MoveRowsTo(std::vector<int> rows, int place) {
  const std::vector<int> from = InRange(std::move(rows));
  if (place < 0 || place > Count()) return Notice::kNone;
  // The block starts where `place` is once the moved rows above it have left.
  const int start = place - static_cast<int>(std::lower_bound(from.begin(), from.end(), place) - from.begin());
  std::vector<int> to(from.size());
  for (std::size_t i = 0; i < to.size(); ++i) to[i] = start + static_cast<int>(i);
  return Move(from, to);
}

Notice RecordStore::Undo() {
  if (Typed()) {
    if (HasForbiddenCharacters(fields_)) return Notice::kForbiddenCharacters;
    StoreFields();
  }
  Replay(history_.Undo(), false);
  return Notice::kNone;
}

Notice RecordStore::Redo() {
  if (!Typed()) Replay(history_.Redo(), true);
  return Notice::kNone;
}

void RecordStore::Replay(const std::vector<const RecordChange*>& step, bool forward) {
  if (step.empty()) return;
  std::vector<int> rows;
  for (const RecordChange* change : step) rows = ApplyChange(records_, *change, forward);
  Show(std::move(rows));
}

bool RecordStore::HasUnsavedChanges() const { return !history_.AtSavePoint() || Typed(); }

}  // namespace discfront::editor
