// Record store commands: navigation, Insert, Delete and the store-before-save step.
#include "record_store.h"
#include "base/decimal_text.h"
#include "base/texts.h"
#include "editor_texts.h"

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

RecordStore::RecordStore() : records_(1) {}

RecordStore::RecordStore(std::vector<CatalogueEntry> records)
    : records_(std::move(records)), currentIndex_(records_.empty() ? -1 : 0) {
  if (!records_.empty()) fields_ = records_.front();
}

Notice RecordStore::Validate() const {
  if (HasForbiddenCharacters(fields_)) return Notice::kForbiddenCharacters;
  if (!IsComplete(fields_)) return Notice::kIncomplete;
  return Notice::kNone;
}

void RecordStore::StoreFields() {
  CatalogueEntry& slot = records_.at(static_cast<std::size_t>(currentIndex_));
  if (slot != fields_) {
    slot = fields_;
    modified_ = true;
  }
}

Notice RecordStore::Navigate(int j) {
  if (j < 0 || j > LastIndex() || j == currentIndex_ || currentIndex_ < 0) return Notice::kNone;
  const Notice notice = Validate();
  // An empty field keeps the user on the record without a word: the list simply
  // goes back to it.
  if (notice == Notice::kIncomplete) return Notice::kNone;
  if (notice != Notice::kNone) return notice;
  StoreFields();
  fields_ = records_[static_cast<std::size_t>(j)];
  currentIndex_ = j;
  return Notice::kNone;
}

Notice RecordStore::Insert() {
  // With no records there is nothing the text boxes edit (the window keeps them
  // read-only): the user is told to start a catalogue, whatever the boxes hold.
  if (records_.empty()) return Notice::kNoRecords;
  if (const Notice notice = Validate(); notice != Notice::kNone) return notice;
  if (Count() >= kSlotCount) return Notice::kStoreFull;
  // What was typed into the current record is kept whichever way the record goes.
  StoreFields();
  if (currentIndex_ < LastIndex()) {
    records_.insert(records_.begin() + currentIndex_, CatalogueEntry{});
  } else {
    records_.emplace_back();
    currentIndex_ = LastIndex();
  }
  fields_ = CatalogueEntry{};
  modified_ = true;
  return Notice::kNone;
}

void RecordStore::Delete() {
  if (records_.empty()) return;
  records_.erase(records_.begin() + currentIndex_);
  modified_ = true;
  if (records_.empty()) {
    currentIndex_ = -1;
    fields_ = CatalogueEntry{};
    return;
  }
  // Deleting the last record selects the new last one: while records remain,
  // one of them is always being edited.
  if (currentIndex_ > LastIndex()) currentIndex_ = LastIndex();
  fields_ = records_[static_cast<std::size_t>(currentIndex_)];
}

Notice RecordStore::StoreForSave() {
  if (records_.empty()) return Notice::kNone;
  if (const Notice notice = Validate(); notice != Notice::kNone) return notice;
  StoreFields();
  return Notice::kNone;
}

bool RecordStore::HasUnsavedChanges() const {
  if (modified_) return true;
  return currentIndex_ >= 0 && records_[static_cast<std::size_t>(currentIndex_)] != fields_;
}

}  // namespace discfront::editor
