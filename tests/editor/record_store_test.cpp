// The record store: validation, navigation, Insert, Delete, store-before-save and
// unsaved-changes tracking; the list's commands, undo and redo; opening and saving
// catalogues through it.
#include "editor/record_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "editor/catalogue_file.h"
#include "editor/drop_messages.h"
#include "editor/drop_plan.h"
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

// The titles in order as one text, a letter a record ("-" for an empty one).
std::wstring Order(const RecordStore& store) {
  std::wstring order;
  for (const CatalogueEntry& e : store.Records()) order += e.title.empty() ? L"-" : e.title;
  return order;
}

// Each list command selects the rows it touched, one undo gives back the records
// exactly (and the saved state), one redo the result and its selection.
TEST(ListCommands, SelectTheRowsTheyTouchAndUndoAndRedoExactly) {
  using Command = std::function<Notice(RecordStore&)>;
  const struct { const char* what; Command command; std::wstring order; std::vector<int> selected; } cases[] = {
      {"up", [](RecordStore& s) { return s.MoveRows({2}, -1); }, L"acbde", {1}},
      {"up, the top rows held", [](RecordStore& s) { return s.MoveRows({3, 0, 1}, -1); }, L"abdce", {0, 1, 2}},
      {"down, apart", [](RecordStore& s) { return s.MoveRows({1, 4}, 1); }, L"acbde", {2, 4}},
      {"down at the edge", [](RecordStore& s) { return s.MoveRows({3, 4}, 1); }, L"abcde", {0}},
      {"dragged to the top", [](RecordStore& s) { return s.MoveRowsTo({2, 4}, 0); }, L"ceabd", {0, 1}},
      {"dragged to the end", [](RecordStore& s) { return s.MoveRowsTo({0, 2}, 5); }, L"bdeac", {3, 4}},
      {"dragged below itself", [](RecordStore& s) { return s.MoveRowsTo({1}, 3); }, L"acbde", {2}},
      {"several deleted", [](RecordStore& s) { return s.DeleteRows({4, 1, 1, 9}); }, L"acd", {1}},
      {"the last rows deleted", [](RecordStore& s) { return s.DeleteRows({3, 4}); }, L"abc", {2}},
      {"inserted after the last", [](RecordStore& s) { return s.InsertAfter(4); }, L"abcde-", {5}},
      {"Insert beside the list", [](RecordStore& s) { s.Navigate(2); return s.InsertNext(); }, L"abc-de", {3}},
      {"dropped", [](RecordStore& s) { return s.AddEntries(0, {Rec(L"x"), Rec(L"y")}); }, L"axybcde", {1, 2}},
      {"a picture set", [](RecordStore& s) { return s.SetRecord(3, {L"\\d.exe", L"d", L"о d", L"\\d.gif"}); },
       L"abcde", {3}},
  };
  for (const auto& c : cases) {
    RecordStore store = StoreOf({L"a", L"b", L"c", L"d", L"e"});
    const std::vector<CatalogueEntry> original = store.Records();
    ASSERT_EQ(c.command(store), Notice::kNone) << c.what;
    const std::vector<CatalogueEntry> result = store.Records();
    for (int pass = 0; pass < 2; ++pass) {
      EXPECT_EQ(Order(store), c.order) << c.what;
      EXPECT_EQ(store.Selection(), c.selected) << c.what;
      EXPECT_EQ(store.Fields(), store.Record(store.CurrentIndex())) << c.what;
      store.Undo();
      EXPECT_EQ(store.Records(), original) << c.what;
      EXPECT_FALSE(store.HasUnsavedChanges()) << c.what;
      store.Redo();
      EXPECT_EQ(store.Records(), result) << c.what;
    }
  }
}

TEST(ListCommands, RefuseWholeWhatTheCatalogueCannotHold) {
  RecordStore store(std::vector<CatalogueEntry>(kSlotCount - 1, Rec(L"x")));
  EXPECT_EQ(store.AddEntries(0, {Rec(L"y"), Rec(L"z")}), Notice::kStoreFull);
  EXPECT_EQ(store.AddEntries(0, {Rec(L"y#")}), Notice::kForbiddenCharacters);
  EXPECT_EQ(store.SetRecord(1, Rec(L"y$")), Notice::kForbiddenCharacters);
  EXPECT_FALSE(store.CanUndo());
  EXPECT_EQ(store.AddEntries(store.LastIndex(), {Rec(L"y")}), Notice::kNone);
  EXPECT_EQ(store.Count(), kSlotCount);
}

// Typing is stored into the step of the command that follows it, and undone with it;
// typing alone is undone first and redone; a save point survives undo and redo.
TEST(History, TypingJoinsTheNextStepAndTheSavePointFollowsUndo) {
  RecordStore store = StoreOf({L"a", L"b"});
  store.SetFields(Rec(L"A"));
  ASSERT_EQ(store.MoveRows({0}, 1), Notice::kNone);
  EXPECT_EQ(Order(store), L"bA");
  store.Undo();
  EXPECT_EQ(Order(store), L"ab");
  EXPECT_FALSE(store.CanUndo());
  store.SetFields(Rec(L"T"));
  EXPECT_EQ(store.Shown(0), Rec(L"T"));  // the list shows the typing before it is stored
  EXPECT_EQ(store.Shown(1), Rec(L"b"));
  EXPECT_FALSE(store.CanRedo());  // a step that typing would overwrite
  store.Undo();                   // typing alone
  EXPECT_EQ(store.Fields(), Rec(L"a"));
  store.Redo();
  EXPECT_EQ(store.Record(0), Rec(L"T"));
  store.MarkSaved();
  store.Undo();
  EXPECT_TRUE(store.HasUnsavedChanges());
  store.Redo();
  EXPECT_FALSE(store.HasUnsavedChanges());
  store.Undo();
  store.Delete();  // the saved state can no longer be reached, not even by as many steps
  EXPECT_TRUE(store.HasUnsavedChanges());
  store.Undo();
  EXPECT_TRUE(store.HasUnsavedChanges());
  // Typing that cannot be stored stops a list command and Undo alike.
  for (const CatalogueEntry& typed : {CatalogueEntry{L"\\a", L"", L"c", L"p"}, CatalogueEntry{L"\\a", L"t#", L"c", L"p"}}) {
    store.SetFields(typed);
    const Notice expected = typed.title.empty() ? Notice::kIncomplete : Notice::kForbiddenCharacters;
    EXPECT_EQ(store.MoveRows({1}, -1), expected);
    EXPECT_EQ(store.DeleteRows({1}), expected);
    EXPECT_EQ(store.Undo(), typed.title.empty() ? Notice::kNone : expected);
  }
  EXPECT_EQ(Order(store), L"ab");
}

// After any mix of commands, undo and redo, undoing everything gives back the opened
// records exactly, and redoing everything the last ones.
TEST(History, UndoingEverythingRestoresTheOpenedRecordsAndRedoingEverythingTheLast) {
  std::mt19937 random(20261208);
  RecordStore store = StoreOf({L"a", L"b", L"c", L"d", L"e", L"f"});
  const std::vector<CatalogueEntry> opened = store.Records();
  const auto row = [&] { return static_cast<int>(random() % static_cast<unsigned>(store.Count() + 1)) - 1; };
  for (int step = 0; step < 4000; ++step) {
    switch (random() % 10) {
      case 0: store.SetFields(Rec(std::to_wstring(step))); break;
      case 1: store.Navigate(row()); break;
      case 2: store.Insert(); break;
      case 3: store.Delete(); break;
      case 4: store.DeleteRows({row(), row()}); break;
      case 5: store.MoveRows({row(), row()}, random() % 2 ? 1 : -1); break;
      case 6: store.MoveRowsTo({row(), row(), row()}, row() + 1); break;
      case 7: store.AddEntries(row(), {Rec(L"n" + std::to_wstring(step))}); break;
      case 8: store.Undo(); break;
      case 9: store.Redo(); break;
    }
    const std::vector<int>& selected = store.Selection();
    ASSERT_TRUE(std::is_sorted(selected.begin(), selected.end()));
    ASSERT_EQ(store.CurrentIndex(), selected.empty() ? -1 : selected.front());
    ASSERT_TRUE(selected.empty() || selected.back() < store.Count());
  }
  // Typing not yet stored is stored by the first undo, so redoing everything brings it back.
  std::vector<CatalogueEntry> last = store.Records();
  if (store.CurrentIndex() >= 0) last[static_cast<std::size_t>(store.CurrentIndex())] = store.Fields();
  while (store.CanUndo()) store.Undo();
  EXPECT_EQ(store.Records(), opened);
  EXPECT_FALSE(store.HasUnsavedChanges());
  while (store.CanRedo()) store.Redo();
  EXPECT_EQ(store.Records(), last);
}

// One bad file stops a drop; copying comes before adding; a picture dropped alone on
// a row becomes its picture (over what is typed there). Carried out, a drop is one step.
TEST(Drop, PlansAreWholeOrNothingAndCarriedOutAsOneStep) {
  using K = DroppedFile::Kind;
  using S = DropPlan::Step;
  const DroppedFile x{K::kEntry, L"C:\\d\\x.exe", L"\\x.exe", Rec(L"x"), {}};
  const DroppedFile y{K::kEntry, L"C:\\d\\y.exe", L"\\y.exe", Rec(L"y"), {}};
  const DroppedFile picture{K::kPicture, L"C:\\d\\p.gif", L"\\p.gif", {}, {}};
  const DroppedFile outside{K::kNeedsCopying, L"E:\\o.exe", L"", {}, {}};
  const DroppedFile unreadable{K::kUnreadable, L"C:\\d\\u.exe", L"", {}, {}};
  const DroppedFile unsaved{K::kNoDiscFolder, L"C:\\d\\x.exe", L"", {}, {}};
  // Titles and row 1's picture after carrying the plan out on row 1 while "T" is typed there.
  const struct { std::vector<DroppedFile> dropped; S step; std::wstring order, picture; } cases[] = {
      {{x, y}, S::kAdd, L"aTxyc", L"\\T.bmp"},
      {{picture}, S::kSetPicture, L"aTc", L"\\p.gif"},
      {{x, outside}, S::kAskToCopy, L"abc", L"\\b.bmp"},
      {{x, unreadable, outside}, S::kRefuse, L"abc", L"\\b.bmp"},
      {{unsaved, unreadable}, S::kSaveFirst, L"abc", L"\\b.bmp"},
      {{}, S::kNothing, L"abc", L"\\b.bmp"},
  };
  for (const auto& c : cases) {
    const DropPlan plan = PlanDrop(c.dropped);
    EXPECT_EQ(plan.step, c.step) << c.dropped.size();
    EXPECT_EQ(plan.toCopy.size(), c.step == S::kAskToCopy ? 1u : 0u);
    EXPECT_EQ(plan.refused.size(), c.step == S::kRefuse ? 1u : 0u);
    RecordStore store = StoreOf({L"a", L"b", L"c"});
    ASSERT_EQ(store.Navigate(1), Notice::kNone);
    store.SetFields(Rec(L"T"));
    EXPECT_EQ(CarryOutDrop(store, plan, 1), Notice::kNone);
    EXPECT_EQ(Order(store), c.order);
    EXPECT_EQ(store.Record(1).picture, c.picture);
    store.Undo();
    EXPECT_EQ(store.Records(), StoreOf({L"a", L"b", L"c"}).Records());
  }
}

// A refusal names each file as the author knows it (dropped, or as it would lie on the
// disc) with why, one a line; a long list ends with how many more there are.
TEST(Drop, RefusalsNameEachFileAndWhy) {
  using K = DroppedFile::Kind;
  const std::vector<DroppedFile> refused = {
      {K::kUnreadable, L"C:\\d\\gone.exe", L"", {}, {}},
      {K::kReservedCharacter, L"C:\\d\\a&b.exe", L"\\a&b.exe", {}, {}},
      {K::kBreaksPathRules, L"C:\\d\\con.exe", L"\\con.exe", {}, {{PathFinding::Kind::kDeviceName, L"con.exe"}}},
      {K::kNoPrograms, L"C:\\d\\empty", L"", {}, {}},
  };
  EXPECT_EQ(DropRefusedMessage(refused),
            L"Ничего не добавлено: эти файлы не могут стать записями.\n\n"
            L"«C:\\d\\gone.exe»: файл не найден или не читается.\n"
            L"«\\a&b.exe»: в пути есть знак «@», «#», «&» или «$», который каталог не может хранить.\n"
            L"«\\con.exe»: в пути есть имя устройства «con.exe»: Windows не откроет такой файл.\n"
            L"«C:\\d\\empty»: в папке нет программ (.exe, .msi, .bat, .cmd).");
  const std::vector<CopyIn> copies = {{L"E:\\a#.exe", L"C:\\d\\progs\\a#.exe", L"\\progs\\a#.exe", false, true, {}}};
  EXPECT_NE(CopyInRefusedMessage(copies).find(L"«\\progs\\a#.exe»: в пути есть знак"), std::wstring::npos);
  const std::wstring many = CopyInPrompt(std::vector<std::wstring>(15, L"E:\\x.exe"));
  EXPECT_EQ(std::count(many.begin(), many.end(), L'E'), 12);
  EXPECT_NE(many.find(L"…и ещё 3\nСкопировать"), std::wstring::npos);
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
