// The entries list's status column: the check's findings as each row's statuses, and
// what the column shows of them.
#include <gtest/gtest.h>

#include <set>

#include "editor/editor_texts.h"
#include "editor/entry_status.h"
#include "tests/table_texts.h"

namespace discfront::editor {
namespace {

using S = EntryStatus;
using Kind = DiscProblem::Kind;

DiscProblem Problem(Kind kind, int slot) {
  DiscProblem problem;
  problem.kind = kind;
  problem.slot = slot;
  return problem;
}

EntryFile Started(int slot, ProgramImage program) {
  EntryFile started;
  started.slot = slot;
  started.kind = EntryFile::Kind::kProgram;
  started.program = program;
  return started;
}

TEST(EntryStatus, EachRowGetsItsFindingsWorstFirstAndOnce) {
  const std::vector<DiscProblem> problems = {
      Problem(Kind::kLauncherMissing, -1),  // the disc's own files: no row
      Problem(Kind::kSkinMissing, -1),
      Problem(Kind::kPathBreaksRule, 0),
      Problem(Kind::kPathBreaksRule, 0),  // two rules broken, one status
      Problem(Kind::kProgramNotFound, 0),
      Problem(Kind::kPictureMissing, 1),
      Problem(Kind::kProgramNot32Bit, 1),
      Problem(Kind::kPictureTooLarge, 2),
      Problem(Kind::kFolderMissing, 3),
      Problem(Kind::kProgramInvalid, 4),
      Problem(Kind::kFieldChanges, 4),
      Problem(Kind::kFieldNotSaved, 5),
      Problem(Kind::kPictureUnreadable, 5),
      Problem(Kind::kPictureNotChecked, 6),
      Problem(Kind::kPictureMissing, 99),  // past the rows: ignored
  };
  const std::vector<EntryFile> started = {
      Started(1, {true, Machine::kX64, false, true}),   // asks, and is 64-bit
      Started(7, {true, Machine::kX86, false, true}),   // asks
      Started(8, {false, Machine::kX86, false, true}),  // no valid program: asks nothing
  };
  const std::vector<bool> asking = {false, false, false, false, false, false, false, false, false, true};
  const CheckFindings findings{problems, started, asking, 11};
  const std::vector<std::vector<S>> expected = {
      {S::kProgramMissing, S::kPathRule},
      {S::kNot32Bit, S::kPicture, S::kAdministrator},
      {S::kPicture},
      {S::kProgramMissing},
      {S::kNotAProgram, S::kFieldsChange},
      {S::kNotSaved, S::kPicture},
      {S::kNotChecked},
      {S::kAdministrator},
      {S::kFine},
      {S::kAdministrator},  // the launcher's own finding alone
      {S::kFine},
      {S::kNotChecked},  // the check stopped before it
  };
  EXPECT_EQ(StatusesOfEntries(12, findings), expected);
  EXPECT_TRUE(StatusesOfEntries(0, findings).empty());
}

TEST(EntryStatus, ColumnShowsTheWorstAndTheTooltipListsAll) {
  struct Case {
    std::vector<S> statuses;
    S shown;
    StatusIcon icon;
    std::vector<unsigned> tips;
  } cases[] = {
      {{S::kFine}, S::kFine, StatusIcon::kNone, {kTextStatusTipFine}},
      {{S::kAdministrator, S::kNot32Bit}, S::kNot32Bit, StatusIcon::kWarning,
       {kTextStatusTipNot32Bit, kTextStatusTipAdministrator}},
      {{S::kAdministrator}, S::kAdministrator, StatusIcon::kShield, {kTextStatusTipAdministrator}},
      {{S::kPathRule, S::kProgramMissing, S::kPathRule}, S::kProgramMissing, StatusIcon::kError,
       {kTextStatusTipMissing, kTextStatusTipPathRule}},
      {{S::kNotChecked}, S::kNotChecked, StatusIcon::kInformation, {kTextStatusTipNotChecked}},
      {{}, S::kNotChecked, StatusIcon::kInformation, {kTextStatusTipNotChecked}},
  };
  for (const Case& c : cases) {
    const StatusCell cell = CellOf(c.statuses);
    std::wstring tooltip;
    for (unsigned tip : c.tips) tooltip += (tooltip.empty() ? L"" : L"\n") + Text(tip);
    EXPECT_EQ(cell.shown, c.shown);
    EXPECT_EQ(cell.icon, c.icon);
    EXPECT_EQ(cell.word, StatusWord(c.shown));
    EXPECT_EQ(cell.tooltip, tooltip);
  }
}

TEST(EntryStatus, EveryStatusHasItsOwnWordAndTooltipInBothLanguages) {
  for (UiLanguage language : {UiLanguage::kRussian, UiLanguage::kEnglish}) {
    std::set<std::wstring> words, tips;
    for (int status = 0; status <= static_cast<int>(S::kFine); ++status) {
      const std::wstring word = testing::TableText(kTextStatusWordMissing + static_cast<unsigned>(status), language);
      const std::wstring tip = testing::TableText(kTextStatusTipMissing + static_cast<unsigned>(status), language);
      EXPECT_FALSE(word.empty() || tip.empty()) << status;
      EXPECT_LT(word.size(), 20u) << "a word fits the column";
      words.insert(word);
      tips.insert(tip);
    }
    EXPECT_EQ(words.size(), static_cast<std::size_t>(S::kFine) + 1);
    EXPECT_EQ(tips.size(), static_cast<std::size_t>(S::kFine) + 1);
  }
  EXPECT_EQ(StatusWord(S::kAdministrator), L"Администратор");
}

// The file whose icon a row shows, by what Install does with the path.
TEST(EntryStatus, IconFileFollowsWhatInstallDoes) {
  class Files final : public FileProbe {
   public:
    PathKind Probe(const std::wstring& path) const override {
      return path == L"C:\\Диск\\setup.exe" ? PathKind::kFile : PathKind::kMissing;
    }
  } files;
  const DiscFolder disc(L"C:\\Диск");
  const std::vector<CatalogueEntry> entries = {
      {L"\\setup.exe -q", L"a", L"", L"none"}, {L"\\gone.txt", L"b", L"", L"none"},
      {L"\\docs/x", L"c", L"", L"none"}, {L"", L"d", L"", L"none"}};
  const IconFile expected[] = {{IconFile::Kind::kFile, L"C:\\Диск\\setup.exe"},
                               {IconFile::Kind::kMissingFile, L"C:\\Диск\\gone.txt"},
                               {IconFile::Kind::kFolder, L"C:\\Диск\\docs/x"},
                               {}};
  for (int slot = 0; slot < 4; ++slot) EXPECT_EQ(IconFileOf(entries, slot, disc, files), expected[slot]) << slot;
  EXPECT_EQ(IconFileOf(entries, 4, disc, files), IconFile{});
}

}  // namespace
}  // namespace discfront::editor
