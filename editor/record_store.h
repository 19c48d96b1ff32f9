// The editor's record store: the catalogue's records, the record being edited in
// the four text boxes, the rows the entries list has selected, the commands that
// change them and the history that takes every change back.
//
// The window copies its text boxes into the store (SetFields) before each command
// and shows Fields(), CurrentIndex() and Selection() after it; nothing here knows of windows.
#pragma once

#include <string>
#include <vector>

#include "catalogue/line_format.h"
#include "catalogue/splitter.h"
#include "record_history.h"

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
  // Record k as the entries list shows it: the one being edited as it is typed.
  const CatalogueEntry& Shown(int k) const { return k == currentIndex_ ? fields_ : Record(k); }
  void SetFields(CatalogueEntry fields) { fields_ = std::move(fields); }

  // Steps to record j. A forbidden character or an empty field keeps the record
  // being edited (only the former is reported); j == CurrentIndex() does nothing.
  // Storing changed text is a step of the history; Insert's storing and inserting
  // are one step, Delete is one.
  Notice Navigate(int j);

  // Stores the record being edited (after the validation of navigation), then inserts an empty record in its place
  // (the record and those after it move down one place) or, when it is the last
  // one, appends an empty record after it and selects that.
  Notice Insert();
  // The same with the entries list beside the form: the empty record goes after the one
  // being edited, wherever that is, and is selected.
  Notice InsertNext();

  // Deletes the record being edited; the record that takes its place (or the new
  // last record) is shown. Does nothing when there are no records.
  void Delete();

  // Stores the record being edited before a save, with the validation of
  // navigation; kNone means the records are ready to be written.
  Notice StoreForSave();

  // The rows the entries list shows selected, ascending; CurrentIndex() is one of them
  // (none only while there are no records).
  const std::vector<int>& Selection() const { return selection_; }
  // Selects `rows` in the list and shows `focus`, one of them, in the form; moving the
  // form to another record validates and stores as Navigate does, and refuses as it does.
  Notice Select(std::vector<int> rows, int focus);

  // The list's commands. Each changes the catalogue in one undoable step and selects the
  // rows it touched. The typed record is first stored into the step when it differs from
  // its stored text, with the validation of navigation (an empty field is reported here);
  // a refusal changes nothing. Rows out of range are ignored.
  Notice InsertAfter(int row);  // an empty record after `row` (-1: before the first)
  // Entries that would not fit the 1001 slots are refused whole (kStoreFull), and so is
  // an entry holding a separator (kForbiddenCharacters).
  Notice AddEntries(int after, const std::vector<CatalogueEntry>& entries);
  Notice SetRecord(int row, const CatalogueEntry& entry);  // a record's stored edit, e.g. a dropped picture
  // The typed text of a deleted record goes with it, as with Delete.
  Notice DeleteRows(std::vector<int> rows);
  // Each row one place up (step -1) or down (+1); rows at the edge, and those held by
  // them, stay where they are.
  Notice MoveRows(std::vector<int> rows, int step);
  // The rows, in their order, go before the record now at `place` (Count(): to the end).
  Notice MoveRowsTo(std::vector<int> rows, int place);

  // Undo takes back the last step and Redo brings it back, selecting the rows it touched.
  // Text typed but not stored is taken back first (stored and undone, so Redo brings it
  // back), unless it holds a separator: then kForbiddenCharacters and nothing happens.
  bool CanUndo() const { return history_.CanUndo() || Typed(); }
  bool CanRedo() const { return history_.CanRedo() && !Typed(); }
  Notice Undo();
  Notice Redo();
  const RecordHistory& History() const { return history_; }

  // Whether the records or the text boxes differ from what was last opened or saved.
  // Undoing back to the saved records counts as no change.
  bool HasUnsavedChanges() const;
  void MarkSaved() { history_.MarkSaved(); }

 private:
  Notice Validate() const;
  Notice InsertEmpty(bool next);
  bool Typed() const;
  bool StoreFields();
  Notice StoreTypingBefore(bool& stored);
  void Carry(RecordChange change);
  void Show(std::vector<int> rows);
  void Replay(const std::vector<const RecordChange*>& step, bool forward);
  std::vector<int> InRange(std::vector<int> rows) const;
  Notice Move(const std::vector<int>& from, const std::vector<int>& to);

  std::vector<CatalogueEntry> records_;  // slots 0..lastIndex
  int currentIndex_ = 0;                 // -1 only while there are no records
  CatalogueEntry fields_;
  std::vector<int> selection_;
  RecordHistory history_;
};

}  // namespace discfront::editor
