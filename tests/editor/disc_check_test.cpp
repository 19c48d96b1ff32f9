// The disc check's findings on a table of files, and the bytes of the files the Disc
// menu writes (autorun.inf, info.txt).
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "base/picture_limits.h"
#include "catalogue/item_reader.h"
#include "editor/autorun_file.h"
#include "editor/description_file.h"
#include "editor/disc_check.h"
#include "editor/disc_messages.h"

namespace discfront::editor {
namespace {

// Half of a surrogate pair: no file encoding holds it.
const std::wstring kHalfPair(1, static_cast<wchar_t>(0xDC00));

using Kind = DiscProblem::Kind;
using R = PictureRead;

const std::wstring kDisc = L"C:\\Мой диск";

// A disc as a table: each path either a folder, a file with what the picture loader
// makes of it, or missing; the background's outline has `rectangles` pieces; bitmaps
// have the sizes of `sizes`; a program is an x86 window program unless `programs` says
// otherwise.
class TableDisc final : public FileProbe, public PictureProbe, public ProgramProbe {
 public:
  std::map<std::wstring, PictureRead> files;
  std::map<std::wstring, PathKind> folders;
  std::size_t rectangles = 1;
  std::map<std::wstring, std::optional<ProgramImage>> programs;
  std::map<std::wstring, PictureSize> sizes;

  PathKind Probe(const std::wstring& path) const override {
    if (folders.count(path) != 0) return PathKind::kFolder;
    return files.count(path) != 0 ? PathKind::kFile : PathKind::kMissing;
  }
  PictureRead Read(const std::wstring& path) const override {
    const auto it = files.find(path);
    return it == files.end() ? R::kMissing : it->second;
  }
  std::optional<std::size_t> OutlineRectangles(const std::wstring& path) const override {
    EXPECT_EQ(path, kDisc + L"\\skin\\back.bmp");
    return rectangles;
  }
  std::optional<ProgramImage> ReadProgram(const std::wstring& path) const override {
    EXPECT_EQ(Probe(path), PathKind::kFile) << "only a file that is there is read";
    const auto it = programs.find(path);
    return it == programs.end() ? ProgramImage{true, Machine::kX86, false, false} : it->second;
  }
  std::optional<PictureSize> BitmapSize(const std::wstring& path) const override {
    const auto it = sizes.find(path);
    return it == sizes.end() ? std::nullopt : std::optional(it->second);
  }
};

TableDisc CompleteDisc() {
  TableDisc disc;
  disc.files = {
      {kDisc + L"\\discfront.exe", R::kUnreadable}, {kDisc + L"\\info.txt", R::kUnreadable},
      {kDisc + L"\\skin\\back.bmp", R::kBitmap},     {kDisc + L"\\skin\\button.bmp", R::kBitmap},
      {kDisc + L"\\skin\\buttonmove.bmp", R::kBitmap}, {kDisc + L"\\skin\\buttondown.bmp", R::kBitmap},
      {kDisc + L"\\setup.exe", R::kUnreadable},      {kDisc + L"\\My Tools\\setup.exe", R::kUnreadable},
      {kDisc + L"\\x#y.exe", R::kUnreadable},        {kDisc + L"\\pics\\office.bmp", R::kBitmap},
      {kDisc + L"\\pics\\logo.ico", R::kOtherPicture}, {kDisc + L"\\pics\\broken.bmp", R::kUnreadable},
  };
  disc.folders = {{kDisc, PathKind::kFolder}, {kDisc + L"\\tools", PathKind::kFolder}};  // the folder windows'
  return disc;
}

// Records that are fine: a program with a picture, a path with blanks and arguments, an
// icon for a picture, the folder-window paths, "none".
const std::vector<CatalogueEntry> kCleanEntries = {
    {L"\\setup.exe", L"Офис", L"Установка", L"\\pics\\office.bmp"},
    {L"\\My Tools\\setup.exe /quiet", L"Утилиты", L"С ключом", L"\\pics\\logo.ico"},
    {L"\\", L"Папка диска", L"Окно папки", L"\\pics\\office.bmp"},
    {L"\\tools/x", L"Папка tools", L"Окно папки", L"none"},
};

using Expected = std::tuple<Kind, int, std::wstring>;  // kind, slot, file

std::vector<Expected> Summary(const std::vector<DiscProblem>& problems) {
  std::vector<Expected> summary;
  for (const DiscProblem& p : problems) summary.emplace_back(p.kind, p.slot, p.file);
  return summary;
}

TEST(DiscCheck, FindsOneProblemOfEachKindInRecordOrder) {
  TableDisc disc = CompleteDisc();
  disc.files.erase(kDisc + L"\\discfront.exe");
  disc.files.erase(kDisc + L"\\info.txt");
  disc.files.erase(kDisc + L"\\skin\\buttonmove.bmp");
  disc.files[kDisc + L"\\skin\\back.bmp"] = R::kOtherPicture;
  disc.folders[kDisc + L"\\setup2.exe"] = PathKind::kFolder;  // a folder is no program
  std::vector<CatalogueEntry> entries = kCleanEntries;
  entries.push_back({L"\\missing.exe", L"Нет программы", L"c", L"none"});          // 5
  entries.push_back({L"\\setup.exe", L"Нет картинки", L"c", L"None"});             // 6
  entries.push_back({L"\\setup.exe", L"Плохая картинка", L"c", L"\\pics\\broken.bmp"});  // 7
  entries.push_back({L"\\x#y.exe", L"T", L"c", L"none"});                          // 8: "#" splits the path
  entries.push_back({L"\\setup2.exe", L"Папка", L"c", L"\\pics\\office.bmp"});     // 9
  entries.push_back({L"\\setup.exe", L"Половина", kHalfPair, L"none"});             // 10
  const std::vector<DiscProblem> problems = CheckDisc(entries, DiscFolder(kDisc), disc, disc, disc);
  const std::vector<Expected> expected = {
      {Kind::kLauncherMissing, -1, kDisc + L"\\discfront.exe"},
      {Kind::kDescriptionMissing, -1, kDisc + L"\\info.txt"},
      {Kind::kSkinMissing, -1, kDisc + L"\\skin\\buttonmove.bmp"},
      {Kind::kSkinNotBitmap, -1, kDisc + L"\\skin\\back.bmp"},
      {Kind::kProgramNotFound, 4, kDisc + L"\\missing.exe"},
      {Kind::kPictureMissing, 5, kDisc + L"None"},
      {Kind::kPictureUnreadable, 6, kDisc + L"\\pics\\broken.bmp"},
      {Kind::kFieldChanges, 7, L""},
      {Kind::kFieldChanges, 7, L""},
      {Kind::kProgramNotFound, 8, kDisc + L"\\setup2.exe"},
      {Kind::kFieldNotSaved, 9, L""},
  };
  EXPECT_EQ(Summary(problems), expected);
  ASSERT_EQ(problems.size(), expected.size());
  EXPECT_EQ(problems[7].field, Field::kPath);
  EXPECT_EQ(problems[7].readBack, L"\\x");
  EXPECT_EQ(problems[10].field, Field::kComment);
  // Only "None" gets the hint (the full lines are checked on the check's window).
  EXPECT_NE(ProblemText(problems[5], kDisc).find(L"none строчными"), std::wstring::npos);
  EXPECT_EQ(ProblemText(problems[6], kDisc).find(L"none строчными"), std::wstring::npos);
  EXPECT_EQ(ProblemText(problems[2], L"D:\\"), L"Нет рисунка оформления «" + kDisc + L"\\skin\\buttonmove.bmp»: discfront не запустится.");
}

TEST(DiscCheck, ReportsPathsThatBreakTheRulesAndFolderWindowsWithNoFolder) {
  const TableDisc disc = CompleteDisc();
  const std::vector<CatalogueEntry> entries = {
      {L"\\setup.exe /log C:\\x.txt", L"Ключи", L"c", L"none"},  // the arguments are no name
      {L"setup.exe", L"Без косой", L"c", L"none"},
      {L"\\..\\setup.exe", L"Наверх", L"c", L"none"},
      {L"\\tools\\NUL.exe", L"Устройство", L"c", L"none"},
      {L"\\gone/x", L"Нет папки", L"c", L"none"},
      {L"\\setup /S", L"Ключ как папка", L"c", L"none"},
  };
  using Rule = PathFinding::Kind;
  const std::vector<std::tuple<Kind, int, std::wstring, Rule>> expected = {
      {Kind::kProgramNotFound, 1, kDisc + L"setup.exe", Rule{}},
      {Kind::kPathBreaksRule, 1, L"setup.exe", Rule::kNotFromDiscFolder},
      {Kind::kProgramNotFound, 2, kDisc + L"\\..\\setup.exe", Rule{}},
      {Kind::kPathBreaksRule, 2, L"\\..\\setup.exe", Rule::kLeavesDiscFolder},
      {Kind::kProgramNotFound, 3, kDisc + L"\\tools\\NUL.exe", Rule{}},
      {Kind::kPathBreaksRule, 3, L"\\tools\\NUL.exe", Rule::kDeviceName},
      {Kind::kFolderMissing, 4, kDisc + L"\\gone", Rule{}},
      {Kind::kFolderMissing, 5, kDisc + L"\\setup ", Rule{}},
  };
  const std::vector<DiscProblem> problems = CheckDisc(entries, DiscFolder(kDisc), disc, disc, disc);
  std::vector<std::tuple<Kind, int, std::wstring, Rule>> found;
  for (const DiscProblem& p : problems) found.emplace_back(p.kind, p.slot, p.file, p.pathFinding.kind);
  EXPECT_EQ(found, expected);
  ASSERT_EQ(problems.size(), expected.size());
  EXPECT_NE(ProblemText(problems[5], kDisc).find(L"имя устройства «NUL.exe»"), std::wstring::npos);
}

TEST(DiscCheck, FindsEmptyAndTooComplexOutlinesAndPicturesAboveTheCaps) {
  const std::wstring back = kDisc + L"\\skin\\back.bmp";
  const std::wstring button = kDisc + L"\\skin\\button.bmp";
  const std::wstring picture = kDisc + L"\\pics\\logo.ico";
  const struct {
    const char* what;
    std::wstring tooLarge;  // the picture read as above the caps, if any
    std::size_t rectangles;
    std::vector<Expected> found;
  } cases[] = {
      {"a sound disc", L"", kMaxOutlineRectangles, {}},
      {"all magenta", L"", 0, {{Kind::kOutlineEmpty, -1, back}}},
      {"too many pieces", L"", kMaxOutlineRectangles + 1, {{Kind::kOutlineTooComplex, -1, back}}},
      {"a background too large has no outline to judge", back, 0, {{Kind::kPictureTooLarge, -1, back}}},
      {"a button skin too large", button, 5, {{Kind::kPictureTooLarge, -1, button}}},
      {"an entry's picture too large", picture, 5, {{Kind::kPictureTooLarge, 1, picture}}},
  };
  for (const auto& c : cases) {
    TableDisc disc = CompleteDisc();
    if (!c.tooLarge.empty()) disc.files[c.tooLarge] = R::kTooLarge;
    disc.rectangles = c.rectangles;
    EXPECT_EQ(Summary(CheckDisc(kCleanEntries, DiscFolder(kDisc), disc, disc, disc)), c.found) << c.what;
  }
  const TableDisc sound = CompleteDisc();
  EXPECT_TRUE(CheckDisc({}, DiscFolder(kDisc), sound, sound, sound).empty());  // no records: nothing to find
}

TEST(DiscCheck, TellsWhatEachEntryStartsAndFindsProgramsThatWillNotStartOn32BitWindows) {
  TableDisc disc = CompleteDisc();
  const ProgramImage x64Console{true, Machine::kX64, true, false};
  const ProgramImage arm64Admin{true, Machine::kArm64, false, true};
  const ProgramImage x86Admin{true, Machine::kX86, false, true};
  for (const wchar_t* file : {L"\\x64.exe", L"\\arm.EXE", L"\\broken.exe", L"\\admin.exe", L"\\locked.exe",
                              L"\\run.cmd", L"\\readme.txt"}) {
    disc.files[kDisc + file] = R::kUnreadable;
  }
  disc.programs = {{kDisc + L"\\x64.exe", x64Console}, {kDisc + L"\\arm.EXE", arm64Admin},
                   {kDisc + L"\\broken.exe", ProgramImage{}}, {kDisc + L"\\admin.exe", x86Admin},
                   {kDisc + L"\\locked.exe", std::nullopt}};
  const std::vector<CatalogueEntry> entries = {
      {L"\\x64.exe", L"A", L"c", L"none"},     {L"\\arm.EXE -s", L"B", L"c", L"none"},
      {L"\\broken.exe", L"C", L"c", L"none"},  {L"\\admin.exe", L"D", L"c", L"none"},
      {L"\\locked.exe", L"E", L"c", L"none"},  {L"\\run.cmd", L"F", L"c", L"none"},
      {L"\\readme.txt", L"G", L"c", L"none"},  {L"\\", L"Папка", L"c", L"none"},
      {L"\\x64.exe", L"H", L"c", L"none"},
  };
  DiscCheck check(entries, DiscFolder(kDisc), disc, disc, disc);
  while (check.Step(1)) {
  }
  const std::vector<Expected> expected = {{Kind::kProgramNot32Bit, 0, kDisc + L"\\x64.exe"},
                                          {Kind::kProgramNot32Bit, 1, kDisc + L"\\arm.EXE"},
                                          {Kind::kProgramInvalid, 2, kDisc + L"\\broken.exe"},
                                          {Kind::kProgramNot32Bit, 8, kDisc + L"\\x64.exe"}};
  ASSERT_EQ(Summary(check.Problems()), expected);
  EXPECT_EQ(ProblemText(check.Problems()[1], kDisc),
            L"Запись номер 2 «B»: программа для ARM64 «\\arm.EXE»: она не запустится на 32-разрядной Windows.");
  using F = EntryFile::Kind;
  const std::vector<std::tuple<int, F, std::optional<ProgramImage>>> started = {
      {0, F::kProgram, x64Console}, {1, F::kProgram, arm64Admin}, {2, F::kProgram, ProgramImage{}},
      {3, F::kProgram, x86Admin},   {4, F::kProgram, std::nullopt}, {5, F::kScript, std::nullopt},
      {6, F::kDocument, std::nullopt}, {8, F::kProgram, x64Console}};  // no line for the folder window
  std::vector<std::tuple<int, F, std::optional<ProgramImage>>> found;
  for (const EntryFile& f : check.StartedFiles()) found.emplace_back(f.slot, f.kind, f.program);
  EXPECT_EQ(found, started);
  const std::wstring lines[] = {
      L"Запись номер 1 «A»: «\\x64.exe» — программа для x64, консольная.",
      L"Запись номер 2 «B»: «\\arm.EXE» — программа для ARM64, оконная, просит права администратора.",
      L"Запись номер 3 «C»: «\\broken.exe» — не программа Windows.",
  };
  for (std::size_t i = 0; i < std::size(lines); ++i) EXPECT_EQ(StartedFileText(check.StartedFiles()[i], kDisc), lines[i]);
}

TEST(DiscCheck, FindsSkinSetsIncompleteOrNotOfTheirScale) {
  const std::wstring base = kDisc + L"\\skin\\", set = kDisc + L"\\skin\\200\\";
  const struct {
    const char* what;
    std::vector<std::wstring> setFiles;
    int setBackWidth;
    std::vector<Expected> found;
  } cases[] = {
      {"a whole set of twice the size", {L"back", L"button", L"buttonmove", L"buttondown"}, 1060, {}},
      {"a set without its buttons' pressed and hovered looks", {L"back", L"button"}, 1060,
       {{Kind::kSkinSetIncomplete, -1, set + L"buttonmove.bmp"},
        {Kind::kSkinSetIncomplete, -1, set + L"buttondown.bmp"}}},
      {"a background one pixel short", {L"back", L"button", L"buttonmove", L"buttondown"}, 1059,
       {{Kind::kSkinSetWrongSize, -1, set + L"back.bmp"}}},
      {"a background that is no bitmap", {L"back", L"button", L"buttonmove", L"buttondown"}, -1,
       {{Kind::kSkinNotBitmap, -1, set + L"back.bmp"}}},
  };
  for (const auto& c : cases) {
    TableDisc disc = CompleteDisc();
    disc.sizes = {{base + L"back.bmp", {530, 349}}, {base + L"button.bmp", {169, 25}},
                  {base + L"buttonmove.bmp", {169, 25}}, {base + L"buttondown.bmp", {169, 25}}};
    for (const std::wstring& name : c.setFiles) {
      disc.files[set + name + L".bmp"] = name == L"back" && c.setBackWidth < 0 ? R::kUnreadable : R::kBitmap;
      disc.sizes[set + name + L".bmp"] = name == L"back" ? PictureSize{c.setBackWidth, 698} : PictureSize{338, 50};
    }
    EXPECT_EQ(Summary(CheckDisc(kCleanEntries, DiscFolder(kDisc), disc, disc, disc)), c.found) << c.what;
  }
}

// The value of `key` in the UTF-16 little-endian autorun.inf, or nothing when no line sets it.
std::optional<std::u16string> AutorunValue(const std::string& bytes, const std::u16string& key) {
  std::u16string text(bytes.size() / 2, u'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * 2);
  const std::u16string start = u"\r\n" + key + u"=";
  const std::size_t at = text.find(start);
  if (at == std::u16string::npos) return std::nullopt;
  const std::size_t value = at + start.size();
  return text.substr(value, text.find(u"\r\n", value) - value);
}

// The label the dialog offers is named after the folder; autoplay offers the disc title
// (kept on one line) as its action.
TEST(AutorunFile, OffersTheDiscTitleAsTheAutoplayActionAndNamesTheLabelAfterTheFolder) {
  struct Case {
    const wchar_t* folder;
    const wchar_t* label;
    std::u16string action;
  } cases[] = {
      {L"C:\\Диски\\Офис 2026", L"Офис 2026", u"Офис 2026"},
      {L"D:\\", L"", u"Korvel Discfront"},  // a drive's root has no name: the launcher's own
      {L"C:\\disc\\", L"disc", u"disc"},
      {L"disc", L"disc", u"disc"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DefaultAutorunLabel(c.folder), c.label);
    EXPECT_EQ(AutorunValue(AutorunFileBytes(c.label), u"action"), c.action);
  }
  EXPECT_EQ(AutorunFileBytes(L"Диск №1\r\nдва"), AutorunFileBytes(L"Диск №1 два"));
}

TEST(DescriptionFile, ReadsBackAsTypedOrIsRefused) {
  struct Case {
    std::wstring text;
    const char* bytes;  // nullptr: refused
    DescriptionRefusal refusal;
  } cases[] = {
      {L"", "", {}},
      {L"Диск", "\xC4\xE8\xF1\xEA\r\n", {}},
      {L"Say \"hi\" now", "Say \"hi\" now\r\n", {}},
      {L"Офис, драйверы\r\nвторая строка", "\"\xCE\xF4\xE8\xF1, \xE4\xF0\xE0\xE9\xE2\xE5\xF0\xFB\r\n"
                                           "\xE2\xF2\xEE\xF0\xE0\xFF \xF1\xF2\xF0\xEE\xEA\xE0\"\r\n", {}},
      {L"  отступ", "\"  \xEE\xF2\xF1\xF2\xF3\xEF\"\r\n", {}},
      {L"\"hi\", you", nullptr, DescriptionRefusal::kQuote},
      {L"\"hi\"", nullptr, DescriptionRefusal::kQuote},
      {L"中文", "\xEF\xBB\xBF\xE4\xB8\xAD\xE6\x96\x87\r\n", {}},  // UTF-8, after its mark
      {kHalfPair, nullptr, DescriptionRefusal::kNoByte},
  };
  for (const Case& c : cases) {
    const DescriptionBytes encoded = EncodeDescription(c.text);
    if (c.bytes == nullptr) {
      EXPECT_FALSE(encoded.bytes) << testing::PrintToString(c.text);
      EXPECT_EQ(encoded.refusal, c.refusal);
      continue;
    }
    ASSERT_TRUE(encoded.bytes) << c.bytes;
    EXPECT_EQ(*encoded.bytes, c.bytes);
    EXPECT_EQ(JoinItems(*encoded.bytes), c.text) << c.bytes;
  }
}

}  // namespace
}  // namespace discfront::editor
