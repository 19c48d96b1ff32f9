// The editor's record store: the catalogue's records, the record being edited in
// the four text boxes, and the commands that move text between the two.
//
// The window copies its text boxes into the store (SetFields) before each command
// and shows Fields(), Labels() and CurrentIndex() after it; nothing here knows of windows.
#pragma once

#include <string>
#include <vector>

#include "catalogue/line_format.h"
#include "catalogue/splitter.h"

namespace discfront::editor {

// What a command wants the user to be told; the window picks text and icon.
enum class Notice {
  kNone,
  kForbiddenCharacters,  // a field holds "@", "#", "&" or "$"
  kIncomplete,           // a field is empty
  kNoRecords,            // Insert while the catalogue has no records
  kStoreFull,            // Insert while all 1001 slots are in use
};

// True when a field holds one of the catalogue's separators (checked in the order
// title, path, picture, comment; the message is the same for all of them).
bool HasForbiddenCharacters(const CatalogueEntry& fields);

// A record is complete when none of its fields is empty (blanks count as text).
bool IsComplete(const CatalogueEntry& fields);

// "Запись номер " followed by k + 1: the label of item k of the record list.
std::wstring RecordLabel(int k);

class RecordStore {
 public:
  // A new catalogue: one empty record, being edited.
  RecordStore();
  // A catalogue read from a file; the first record is shown, or none when empty.
  explicit RecordStore(std::vector<CatalogueEntry> records);

  int LastIndex() const { return static_cast<int>(records_.size()) - 1; }
  int CurrentIndex() const { return currentIndex_; }
  int Count() const { return static_cast<int>(records_.size()); }
  const CatalogueEntry& Record(int k) const { return records_.at(static_cast<std::size_t>(k)); }
  const std::vector<CatalogueEntry>& Records() const { return records_; }

  // The record being edited, as the text boxes hold it.
  const CatalogueEntry& Fields() const { return fields_; }
  void SetFields(CatalogueEntry fields) { fields_ = std::move(fields); }

  // Steps to record j. A forbidden character or an empty field keeps the record
  // being edited (only the former is reported); j == CurrentIndex() does nothing.
  Notice Navigate(int j);

  // Stores the record being edited (after the validation of navigation), then inserts an empty record in its place
  // (the record and those after it move down one place) or, when it is the last
  // one, appends an empty record after it and selects that.
  Notice Insert();

  // Deletes the record being edited; the record that takes its place (or the new
  // last record) is shown. Does nothing when there are no records.
  void Delete();

  // Stores the record being edited before a save, with the validation of
  // navigation; kNone means the records are ready to be written.
  Notice StoreForSave();

  // Whether the records or the text boxes differ from what was last opened or saved.
  bool HasUnsavedChanges() const;
  void MarkSaved() { modified_ = false; }

 private:
  Notice Validate() const;
  void StoreFields();

  std::vector<CatalogueEntry> records_;  // slots 0..lastIndex
  int currentIndex_ = 0;                 // -1 only while there are no records
  CatalogueEntry fields_;
  bool modified_ = false;
};

}  // namespace discfront::editor
