#include "drop_plan.h"

#include <algorithm>
#include <utility>

namespace discfront::editor {

DropPlan PlanDrop(const std::vector<DroppedFile>& dropped) {
  using Kind = DroppedFile::Kind;
  DropPlan plan;
  const auto any = [&](Kind kind) {
    return std::any_of(dropped.begin(), dropped.end(), [kind](const DroppedFile& f) { return f.kind == kind; });
  };
  if (any(Kind::kNoDiscFolder)) {
    plan.step = DropPlan::Step::kSaveFirst;
    return plan;
  }
  for (const DroppedFile& file : dropped) {
    switch (file.kind) {
      case Kind::kEntry: plan.entries.push_back(file.entry); break;
      case Kind::kPicture: plan.picture = file.discPath; break;
      case Kind::kNeedsCopying: plan.toCopy.push_back(file.source); break;
      default: plan.refused.push_back(file); break;
    }
  }
  // The plan holds only what its step needs.
  if (!plan.refused.empty()) return {DropPlan::Step::kRefuse, std::move(plan.refused), {}, {}, {}};
  if (!plan.toCopy.empty()) return {DropPlan::Step::kAskToCopy, {}, std::move(plan.toCopy), {}, {}};
  if (!plan.picture.empty()) return {DropPlan::Step::kSetPicture, {}, {}, {}, std::move(plan.picture)};
  if (!plan.entries.empty()) plan.step = DropPlan::Step::kAdd;
  return plan;
}

Notice CarryOutDrop(RecordStore& store, const DropPlan& plan, int row) {
  if (plan.step == DropPlan::Step::kAdd) return store.AddEntries(row, plan.entries);
  if (plan.step != DropPlan::Step::kSetPicture || row < 0 || row > store.LastIndex()) return Notice::kNone;
  // The row being edited takes the picture over what is typed into it.
  CatalogueEntry entry = row == store.CurrentIndex() ? store.Fields() : store.Record(row);
  entry.picture = plan.picture;
  return store.SetRecord(row, entry);
}

}  // namespace discfront::editor
