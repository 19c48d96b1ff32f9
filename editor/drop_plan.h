// What a drop on the entries list does to the catalogue, decided from what each dropped
// file became. The window carries the plan out: it tells, asks, or changes the store.
#pragma once

#include <string>
#include <vector>

#include "disc/dropped_file.h"
#include "record_store.h"

namespace discfront::editor {

struct DropPlan {
  enum class Step {
    kNothing,
    kSaveFirst,   // the catalogue has no folder yet
    kRefuse,      // refused: the files and why; nothing changes
    kAskToCopy,   // toCopy: files from outside the disc folder; once copied, the drop is planned again
    kAdd,         // entries: added after the row dropped on
    kSetPicture,  // picture: the new picture of the row dropped on
  };
  Step step = Step::kNothing;
  std::vector<DroppedFile> refused;
  std::vector<std::wstring> toCopy;
  std::vector<CatalogueEntry> entries;
  std::wstring picture;
};

// A bad file stops the whole drop, so that a drop changes the catalogue whole or not at all.
DropPlan PlanDrop(const std::vector<DroppedFile>& dropped);

// Adds the plan's entries after `row` (-1: before the first), or sets its picture in
// `row`, as one undoable step; the typed record is stored first, as for every list command.
Notice CarryOutDrop(RecordStore& store, const DropPlan& plan, int row);

}  // namespace discfront::editor
