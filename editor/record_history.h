// The catalogue's history of changes: each change carries what reverses it (the rows it
// touched and the text it replaced, never a copy of the catalogue), a user's step may be
// several changes, and a save point makes "unsaved" a matter of where in the history the
// catalogue stands.
#pragma once

#include <cstddef>
#include <vector>

#include "catalogue/catalogue_entry.h"

namespace discfront::editor {

struct RecordChange {
  enum class Kind : unsigned char {
    kSet,     // rows: {k}; entries: {before, after}
    kInsert,  // rows: the new rows' places in the longer list, ascending; entries: those rows
    kRemove,  // as kInsert, for the rows taken out
    kMove,    // rows: the n moved rows' places before, ascending, then their n places after
  };
  Kind kind = Kind::kSet;
  bool joinsPrevious = false;  // undone and redone together with the change before it
  std::vector<int> rows;
  std::vector<CatalogueEntry> entries;
};

// Carries a change out on `records` (forward) or takes it back, and returns the rows it
// leaves selected: the rows it set, inserted or moved; after a removal the row that took
// the first removed one's place.
std::vector<int> ApplyChange(std::vector<CatalogueEntry>& records, const RecordChange& change, bool forward);

class RecordHistory {
 public:
  // Records a change already carried out; whatever could be redone is forgotten.
  void Add(RecordChange change);

  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < changes_.size(); }
  // The changes of one step, in the order to take back (undo) or carry out (redo);
  // empty when there is none.
  std::vector<const RecordChange*> Undo();
  std::vector<const RecordChange*> Redo();

  void MarkSaved() { saved_ = done_; }
  bool AtSavePoint() const { return saved_ == done_; }

  // What the history holds in memory, in bytes: its own table and every change's rows and text.
  std::size_t HeldBytes() const;

 private:
  static constexpr std::size_t kSaveLost = static_cast<std::size_t>(-1);

  std::vector<RecordChange> changes_;
  std::size_t done_ = 0;   // changes_[0, done_) are carried out
  std::size_t saved_ = 0;  // done_ when last saved; kSaveLost once that state cannot come back
};

}  // namespace discfront::editor
