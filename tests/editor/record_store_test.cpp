// The record store: validation, navigation, Insert, Delete, store-before-save and
// unsaved-changes tracking.
#include "editor/record_store.h"

#include <gtest/gtest.h>

#include <random>

#include "store_test_util.h"

namespace discfront::editor {
namespace {

using test::Rec;
using test::StoreOf;
using test::Titles;
using Names = std::vector<std::wstring>;

// Navigate, Insert and Save store the typed record after the same validation
// (any of the four separators in any field is reported first; an empty field stops
// Navigate silently); a refusal changes nothing.
TEST(RecordStore, CommandsStoreTheTypedRecordOrRefuseAndChangeNothing) {
  enum Command { kNavigate, kInsert, kSave };
  struct Case {
    Command command;
    CatalogueEntry typed;
    Notice notice;
    bool stored;
  };
  const Case cases[] = {
      {kNavigate, Rec(L"A"), Notice::kNone, true},
      {kNavigate, {L"\\a", L"", L"c", L"p"}, Notice::kNone, false},
      {kNavigate, {L"\\a", L"t", L"50$", L"p"}, Notice::kForbiddenCharacters, false},
      {kNavigate, {L"\\a", L"", L"c#", L"p"}, Notice::kForbiddenCharacters, false},
      {kInsert, {L"\\a", L"t", L"", L"p"}, Notice::kIncomplete, false},
      {kInsert, {L"", L"t", L"c", L"p"}, Notice::kIncomplete, false},
      {kInsert, {L"\\a", L"t&", L"c", L"p"}, Notice::kForbiddenCharacters, false},
      {kInsert, {L"\\a#b", L"t", L"c", L"p"}, Notice::kForbiddenCharacters, false},
      {kSave, Rec(L"typed"), Notice::kNone, true},
      {kSave, {L" ", L" ", L" ", L" "}, Notice::kNone, true},  // blanks are text
      {kSave, {L"\\a.exe", L"Драйверы, утилиты", L"c\r\n\"q\"%^*", L"p"}, Notice::kNone, true},
      {kSave, {L"\\a", L"t", L"c", L"a@b"}, Notice::kForbiddenCharacters, false},
      {kSave, {L"\\a", L"t", L"c", L""}, Notice::kIncomplete, false},
  };
  for (const Case& c : cases) {
    RecordStore store = StoreOf({L"a", L"b", L"c"});
    store.SetFields(c.typed);
    const Notice notice = c.command == kNavigate ? store.Navigate(2)
                          : c.command == kInsert ? store.Insert()
                                                 : store.StoreForSave();
    EXPECT_EQ(notice, c.notice) << c.command << " " << testing::PrintToString(c.typed.title);
    EXPECT_EQ(store.Record(0), c.stored ? c.typed : Rec(L"a")) << c.command;
    EXPECT_EQ(store.Count(), 3);
    const bool moved = c.stored && c.command == kNavigate;
    EXPECT_EQ(store.CurrentIndex(), moved ? 2 : 0);
    EXPECT_EQ(store.Fields(), moved ? Rec(L"c") : c.typed);
  }
}

TEST(Insert, KeepsTheTypedTextAndStartsAnEmptyRecord) {
  // The record being edited gets the typed text; in the middle the new empty record takes
  // its place and the rest move down, at the end it is appended.
  struct Case {
    int current;
    int currentAfter;
    Names titles;
  };
  const Case cases[] = {
      {1, 1, {L"a", L"", L"B", L"c"}},
      {2, 3, {L"a", L"b", L"C", L""}},
  };
  for (const Case& c : cases) {
    RecordStore store = StoreOf({L"a", L"b", L"c"});
    ASSERT_EQ(store.Navigate(c.current), Notice::kNone);
    store.SetFields(Rec(c.current == 1 ? L"B" : L"C"));
    EXPECT_EQ(store.Insert(), Notice::kNone);
    EXPECT_EQ(store.CurrentIndex(), c.currentAfter);
    EXPECT_EQ(store.LastIndex(), 3);
    EXPECT_EQ(store.Fields(), CatalogueEntry{});
    EXPECT_EQ(Titles(store), c.titles);
  }
}

TEST(Insert, NewRecordIsEmptyEvenWhereADeletedRecordWas) {
  RecordStore store = StoreOf({L"a", L"b", L"c"});
  ASSERT_EQ(store.Navigate(2), Notice::kNone);
  store.Delete();  // "c" goes; "b" is edited
  ASSERT_EQ(store.Insert(), Notice::kNone);
  EXPECT_EQ(store.Fields(), CatalogueEntry{});
  EXPECT_EQ(store.Record(2), CatalogueEntry{});
}

TEST(Insert, WhenAll1001RecordsAreInUseSaysSoAndChangesNothing) {
  std::vector<CatalogueEntry> records(kSlotCount, Rec(L"x"));
  RecordStore store(records);
  store.SetFields(Rec(L"typed"));
  EXPECT_EQ(store.Insert(), Notice::kStoreFull);
  EXPECT_EQ(store.Count(), kSlotCount);
  EXPECT_EQ(store.Record(0), Rec(L"x"));
  // One record fewer, and the last slot can be filled again.
  store.Delete();
  EXPECT_EQ(store.Insert(), Notice::kNone);
  EXPECT_EQ(store.Count(), kSlotCount);
  EXPECT_EQ(store.Record(0), CatalogueEntry{});
}

TEST(Delete, FirstMiddleAndLast) {
  struct Case {
    int current;
    Names left;
    int currentAfter;
    std::wstring shown;
  };
  const Case cases[] = {
      {0, {L"b", L"c"}, 0, L"b"},
      {1, {L"a", L"c"}, 1, L"c"},
      {2, {L"a", L"b"}, 1, L"b"},  // the new last record is selected
  };
  for (const Case& c : cases) {
    RecordStore store = StoreOf({L"a", L"b", L"c"});
    ASSERT_EQ(store.Navigate(c.current), Notice::kNone);
    store.SetFields(Rec(L"typed"));  // thrown away with the record
    store.Delete();
    EXPECT_EQ(Titles(store), c.left);
    EXPECT_EQ(store.CurrentIndex(), c.currentAfter);
    EXPECT_EQ(store.Fields().title, c.shown);
  }
}

TEST(Delete, TheOnlyRecordLeavesTheEmptyState) {
  RecordStore store = StoreOf({L"a"});
  store.Delete();
  EXPECT_EQ(store.LastIndex(), -1);
  EXPECT_EQ(store.CurrentIndex(), -1);
  EXPECT_EQ(store.Fields(), CatalogueEntry{});
  // Delete again does nothing; Insert reports the empty list.
  store.Delete();
  EXPECT_EQ(store.Count(), 0);
  EXPECT_EQ(store.Insert(), Notice::kNoRecords);
  store.SetFields(Rec(L"z"));
  EXPECT_EQ(store.Insert(), Notice::kNoRecords);
  EXPECT_EQ(store.Count(), 0);
  EXPECT_EQ(store.Navigate(0), Notice::kNone);
  EXPECT_EQ(store.CurrentIndex(), -1);
  EXPECT_EQ(store.StoreForSave(), Notice::kNone);  // an empty catalogue can be saved
}

TEST(UnsavedChanges, FollowTypingAndEveryCommand) {
  RecordStore fresh;  // one empty record, nothing to save; picking it again changes nothing
  EXPECT_EQ(fresh.Count(), 1);
  EXPECT_EQ(fresh.Navigate(0), Notice::kNone);
  EXPECT_EQ(fresh.CurrentIndex(), 0);
  EXPECT_EQ(fresh.Fields(), CatalogueEntry{});
  EXPECT_FALSE(fresh.HasUnsavedChanges());
  RecordStore store = StoreOf({L"a", L"b"});
  EXPECT_FALSE(store.HasUnsavedChanges());
  store.SetFields(Rec(L"A"));
  EXPECT_TRUE(store.HasUnsavedChanges());  // typed, not yet stored
  store.SetFields(Rec(L"a"));
  EXPECT_FALSE(store.HasUnsavedChanges());  // typed back to what is stored
  EXPECT_EQ(store.Navigate(1), Notice::kNone);
  EXPECT_FALSE(store.HasUnsavedChanges());  // navigation that stores the same text
  store.SetFields(Rec(L"B"));
  EXPECT_EQ(store.Navigate(0), Notice::kNone);
  EXPECT_TRUE(store.HasUnsavedChanges());
  store.MarkSaved();
  EXPECT_FALSE(store.HasUnsavedChanges());
  store.Delete();
  EXPECT_TRUE(store.HasUnsavedChanges());
  store.MarkSaved();
  ASSERT_EQ(store.Insert(), Notice::kNone);
  EXPECT_TRUE(store.HasUnsavedChanges());
}

// Whatever mix of typing, navigation, Insert and Delete: indexes stay in range, the
// counts change only as each command says, and no record ever holds a separator, so
// every catalogue the editor writes reads back record for record.
TEST(RecordStore, InvariantsHoldAfterAnyMixOfCommands) {
  std::mt19937 random(20261207);
  const CatalogueEntry typed[] = {
      {L"\\a.exe", L"Первая", L"Комментарий, с запятой", L"none"},
      {L"\\b.exe", L"", L"пустое название", L"none"},
      {L"\\c.exe", L"Вторая", L"знак # внутри", L"none"},
      {L"\\d.exe", L"Третья", L" ", L"\\p.bmp"},
  };
  RecordStore store;
  for (int step = 0; step < 20000; ++step) {
    const int before = store.Count();
    switch (random() % 4) {
      case 0: store.SetFields(typed[random() % 4]); break;
      case 1: {
        const int j = before == 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(before));
        const bool valid = !HasForbiddenCharacters(store.Fields()) && IsComplete(store.Fields());
        const int from = store.CurrentIndex();
        store.Navigate(j);
        if (before > 0 && from >= 0 && valid) {
          ASSERT_EQ(store.CurrentIndex(), j);
          ASSERT_EQ(store.Fields(), store.Record(j));
        }
        ASSERT_EQ(store.Count(), before);
        break;
      }
      case 2: ASSERT_EQ(store.Count(), before + (store.Insert() == Notice::kNone ? 1 : 0)); break;
      case 3:
        store.Delete();
        ASSERT_EQ(store.Count(), before == 0 ? 0 : before - 1);
        break;
    }
    ASSERT_LE(store.Count(), kSlotCount);
    if (store.Count() == 0) {
      ASSERT_EQ(store.CurrentIndex(), -1);
    } else {
      ASSERT_GE(store.CurrentIndex(), 0);
      ASSERT_LT(store.CurrentIndex(), store.Count());
    }
    for (int k = 0; k < store.Count(); ++k) ASSERT_FALSE(HasForbiddenCharacters(store.Record(k))) << "record " << k;
  }
}

}  // namespace
}  // namespace discfront::editor
