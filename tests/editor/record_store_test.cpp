// The record store: validation, navigation, Insert, Delete, store-before-save and
// unsaved-changes tracking; opening and saving catalogues through it.
#include "editor/record_store.h"

#include <gtest/gtest.h>

#include <random>

#include "editor/catalogue_file.h"
#include "editor/messages.h"

namespace discfront::editor {
namespace {

using Names = std::vector<std::wstring>;

// A complete record whose every field names it.
CatalogueEntry Rec(const std::wstring& name) {
  return {L"\\" + name + L".exe", name, L"о " + name, L"\\" + name + L".bmp"};
}

// A store holding the given complete records, the first one being edited.
RecordStore StoreOf(const Names& names) {
  std::vector<CatalogueEntry> records;
  for (const std::wstring& n : names) records.push_back(Rec(n));
  return RecordStore(records);
}

Names Titles(const RecordStore& store) {
  Names titles;
  for (const CatalogueEntry& e : store.Records()) titles.push_back(e.title);
  return titles;
}

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
      {kNavigate, {L"\\a", L"", L"c#", L"p"}, Notice::kForbiddenCharacters, false},
      {kInsert, {L"\\a", L"t", L"", L"p"}, Notice::kIncomplete, false},
      {kInsert, {L"\\a", L"t&", L"c", L"p"}, Notice::kForbiddenCharacters, false},
      {kSave, {L" ", L" ", L" ", L" "}, Notice::kNone, true},  // blanks are text
      {kSave, {L"\\a.exe", L"Драйверы, утилиты", L"c\r\n\"q\"%^*", L"p"}, Notice::kNone, true},
      {kSave, {L"\\a", L"t", L"c", L"a@b"}, Notice::kForbiddenCharacters, false},
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

// Insert keeps the typed text in the record being edited; in the middle the new empty
// record takes its place and the rest move down, at the end it is appended. Delete
// throws the typed text away with the record.
TEST(RecordStore, InsertAndDeleteInTheFirstMiddleAndLastPlace) {
  struct Case {
    bool insert;
    int current;
    Names titles;
    int currentAfter;
    CatalogueEntry shown;
  };
  const Case cases[] = {
      {true, 1, {L"a", L"", L"T", L"c"}, 1, {}},
      {true, 2, {L"a", L"b", L"T", L""}, 3, {}},
      {false, 0, {L"b", L"c"}, 0, Rec(L"b")},
      {false, 1, {L"a", L"c"}, 1, Rec(L"c")},
      {false, 2, {L"a", L"b"}, 1, Rec(L"b")},  // the new last record is selected
  };
  for (const Case& c : cases) {
    RecordStore store = StoreOf({L"a", L"b", L"c"});
    ASSERT_EQ(store.Navigate(c.current), Notice::kNone);
    store.SetFields(Rec(L"T"));
    if (c.insert) {
      EXPECT_EQ(store.Insert(), Notice::kNone);
    } else {
      store.Delete();
    }
    EXPECT_EQ(Titles(store), c.titles) << c.insert << c.current;
    EXPECT_EQ(store.CurrentIndex(), c.currentAfter);
    EXPECT_EQ(store.Fields(), c.shown);
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
      case 2:  // the new record is empty, even where a deleted one was
        if (store.Insert() == Notice::kNone) {
          ASSERT_EQ(store.Count(), before + 1);
          ASSERT_EQ(store.Fields(), CatalogueEntry{});
          ASSERT_EQ(store.Record(store.CurrentIndex()), CatalogueEntry{});
        } else {
          ASSERT_EQ(store.Count(), before);
        }
        break;
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

TEST(CatalogueFile, NoRecordsIsTheEmptyStateAndWritesAnEmptyFile) {
  const RecordStore store = ReadCatalogueFile("just a title line\r\n").store.value();
  EXPECT_EQ(store.CurrentIndex(), -1);
  std::string bytes = "old";
  EncodeFailure failure;
  ASSERT_TRUE(WriteCatalogueFile(store, bytes, failure));
  EXPECT_EQ(bytes, "");
}

TEST(WriteCatalogueFile, RefusesARecordThatWouldNotReadBackWholeAndSaysWhatToChange) {
  struct Case {
    CatalogueEntry second;
    std::wstring message;
  };
  const Case cases[] = {
      {{L"\\b", L"b", std::wstring(L"caf") + static_cast<wchar_t>(0xDC00), L"none"},  // half a surrogate pair
       L"Файл не сохранён: в записи номер 2 поле «Коментарий к программе» содержит символы, "
       L"которых нет в кодировке Windows-1251. Замените их и сохраните снова."},
      {{L"\\b", L"Две\r\nстроки", L"c", L"\"x\""},
       L"Файл не сохранён: в записи номер 2 поле «Картинка к программе» содержит двойную кавычку (\"), "
       L"а поле «Название программы» — запятую или перевод строки. Запись с запятой или переводом строки "
       L"не может содержать двойных кавычек: замените их (например, на « ») или уберите запятые и "
       L"переводы строк, затем сохраните снова."},
  };
  for (const Case& c : cases) {
    RecordStore store(std::vector<CatalogueEntry>{Rec(L"a"), c.second});
    std::string bytes = "untouched";
    EncodeFailure failure;
    ASSERT_FALSE(WriteCatalogueFile(store, bytes, failure));
    EXPECT_EQ(bytes, "untouched");
    EXPECT_EQ(EncodeFailureMessage(failure), c.message);
  }
}

}  // namespace
}  // namespace discfront::editor
