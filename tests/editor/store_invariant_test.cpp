// Random sequences of typing, navigation, Insert and Delete against a simple model
// of the catalogue: the store's records, indexes and labels must always agree with it.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "editor/record_store.h"
#include "store_test_util.h"

namespace discfront::editor {
namespace {

void ExpectConsistent(const RecordStore& store, const std::vector<CatalogueEntry>& model, int current,
                      const CatalogueEntry& shown) {
  ASSERT_EQ(store.Count(), static_cast<int>(model.size()));
  ASSERT_EQ(store.LastIndex(), store.Count() - 1);
  ASSERT_EQ(store.CurrentIndex(), current);
  ASSERT_EQ(store.Records(), model);
  ASSERT_EQ(store.Fields(), shown);
  // Records remain: one of them is being edited.
  if (store.Count() > 0) {
    ASSERT_GE(store.CurrentIndex(), 0);
    ASSERT_LE(store.CurrentIndex(), store.LastIndex());
  } else {
    ASSERT_EQ(store.CurrentIndex(), -1);
  }
}

TEST(RecordStoreInvariants, HoldAfterAnyMixOfCommands) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    std::mt19937 rng(seed);
    RecordStore store;
    std::vector<CatalogueEntry> model(1);
    int current = 0;
    CatalogueEntry shown;
    int serial = 0;
    for (int step = 0; step < 400; ++step) {
      const int op = static_cast<int>(rng() % 10);
      SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step) + " op " +
                   std::to_string(op));
      if (op < 3) {  // type: a complete record, or one with a gap or a separator
        const int kind = static_cast<int>(rng() % 6);
        shown = test::Rec(L"r" + std::to_wstring(++serial));
        if (kind == 0) shown.comment.clear();
        if (kind == 1) shown.path += L'$';
        store.SetFields(shown);
      } else if (op < 6) {  // navigate
        const int j = model.empty() ? 0 : static_cast<int>(rng() % model.size());
        const bool valid = !Anal(shown) && IsComplete(shown);
        const Notice notice = store.Navigate(j);
        if (!model.empty() && j != current) {
          EXPECT_EQ(notice, Anal(shown) ? Notice::kForbiddenCharacters : Notice::kNone);
          if (valid) {
            model[static_cast<std::size_t>(current)] = shown;
            current = j;
            shown = model[static_cast<std::size_t>(j)];
          }
        }
      } else if (op < 8) {  // insert
        const Notice notice = store.Insert();
        if (model.empty()) {
          EXPECT_EQ(notice, Notice::kNoRecords);
        } else if (Anal(shown)) {
          EXPECT_EQ(notice, Notice::kForbiddenCharacters);
        } else if (!IsComplete(shown)) {
          EXPECT_EQ(notice, Notice::kIncomplete);
        } else if (model.size() == kSlotCount) {
          EXPECT_EQ(notice, Notice::kStoreFull);
        } else {
          EXPECT_EQ(notice, Notice::kNone);
          model[static_cast<std::size_t>(current)] = shown;
          if (current + 1 < static_cast<int>(model.size())) {
            model.insert(model.begin() + current, CatalogueEntry{});
          } else {
            model.emplace_back();
            current = static_cast<int>(model.size()) - 1;
          }
          shown = {};
        }
      } else {  // delete
        store.Delete();
        if (!model.empty()) {
          model.erase(model.begin() + current);
          if (model.empty()) {
            current = -1;
            shown = {};
          } else {
            current = std::min(current, static_cast<int>(model.size()) - 1);
            shown = model[static_cast<std::size_t>(current)];
          }
        }
      }
      ExpectConsistent(store, model, current, shown);
      if (HasFatalFailure()) return;
    }
  }
}

}  // namespace
}  // namespace discfront::editor
