// The disc model: entries read from a catalogue, a disc folder's file names, the disc's
// language, what Install does for an entry and which entries ask for administrator rights.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "disc/disc_folder.h"
#include "disc/disc_language.h"
#include "disc/disc_settings.h"
#include "disc/elevated_entries.h"
#include "disc/entry_icon_files.h"
#include "disc/install_plan.h"

namespace discfront {
namespace {

class TableProbe final : public FileProbe {
 public:
  explicit TableProbe(std::map<std::wstring, PathKind> paths) : paths_(std::move(paths)) {}
  PathKind Probe(const std::wstring& path) const override {
    const auto it = paths_.find(path);
    return it == paths_.end() ? PathKind::kMissing : it->second;
  }

 private:
  std::map<std::wstring, PathKind> paths_;
};

TEST(ReadCatalogue, AFailedRecordIsKeptOnlyOnceItsTitleWasRead) {
  struct Case {
    const wchar_t* text;
    ErrorNumber error;
    std::vector<std::wstring> titles;
  } cases[] = {
      {L"&p#a$c@none&q#b$c@x", ErrorNumber::kNone, {L"a", L"b"}},
      {L"&p#a$c@none&no separators", ErrorNumber::kInvalidCall, {L"a"}},  // fails at its path
      {L"&p#a$c@none&q#b", ErrorNumber::kInvalidCall, {L"a"}},            // path read, title not
      {L"&p#a$c@none&q#b$c", ErrorNumber::kInvalidCall, {L"a", L"b"}},    // title read, comment not
  };
  for (const Case& c : cases) {
    const CatalogueRead read = ReadCatalogueText(c.text);
    EXPECT_EQ(read.split.error, c.error) << c.text;
    std::vector<std::wstring> titles;
    for (const CatalogueEntry& e : read.entries) titles.push_back(e.title);
    EXPECT_EQ(titles, c.titles) << c.text;
  }
}

TEST(DiscFolder, NamesItsFilesByAppendingAndOnlyExactNoneMeansNoPicture) {
  const DiscFolder root(L"D:\\");
  EXPECT_EQ(root.CatalogueFile(), L"D:\\\\content.lnc");
  EXPECT_EQ(root.SkinFile(Skin::kButtonDown), L"D:\\\\skin\\buttondown.bmp");
  const DiscFolder disc(L"C:\\Диск");
  EXPECT_EQ(disc.SkinFile(Skin::kBack, 200), L"C:\\Диск\\skin\\200\\back.bmp");
  EXPECT_EQ(disc.PictureFile({L"", L"", L"", L"none"}), std::nullopt);
  EXPECT_EQ(disc.PictureFile({L"", L"", L"", L"None"}), L"C:\\ДискNone");
  EXPECT_EQ(disc.PictureFile({L"", L"", L"", L"\\p.bmp"}), L"C:\\Диск\\p.bmp");
}

// The disc's discfront.ini: the launcher's language (else the user's interface
// language: Russian for Russian, English for any other) and its two switches; the
// editor rewrites one setting's line, in the file's encoding, every other line kept.
TEST(DiscSettings, ReadsTheLanguageAndTheSwitchesTheLastLineOfANameCounting) {
  constexpr auto kRu = UiLanguage::kRussian, kEn = UiLanguage::kEnglish;
  const struct {
    const char* settings;
    std::uint16_t ui;  // Russian 0x0419, English 0x0409, German 0x0407, Ukrainian 0x0422
    UiLanguage chosen;
    bool icons, close;
  } cases[] = {
      {"", 0x0419, kRu, false, false},
      {"", 0x0409, kEn, false, false},
      {"", 0x0407, kEn, false, false},
      {"", 0x0422, kEn, false, false},
      {"Language=en\r\n", 0x0419, kEn, false, false},
      {"[discfront]\n  language = RU \n entryicons = YES\r\n", 0x0407, kRu, true, false},
      {"; Language=ru\r\nLanguage=de\r\nLang=ru\r\n;EntryIcons=yes\nCloseAfterStart=1", 0x0409, kEn, false, false},
      {"Language=ru\r\nLanguage=en\nCloseAfterStart=yes\nEntryIcons=yes\nEntryIcons=no", 0x0419, kEn, false, true},
      {"CloseAfterStart=yes\r\nCloseAfterStart=maybe", 0x0419, kRu, false, true},  // an unknown value is not read
  };
  for (const auto& c : cases) {
    const DiscSettings read = ReadDiscSettings(c.settings);
    EXPECT_EQ(ChooseLanguage(read.language, c.ui), c.chosen) << c.settings << " ui " << c.ui;
    EXPECT_EQ(read.entryIcons, c.icons) << c.settings;
    EXPECT_EQ(read.closeAfterStart, c.close) << c.settings;
  }
}

TEST(DiscSettings, RewritesOneLineInTheFilesOwnEncoding) {
  // As the system's editors save it (U+040A's low byte is a line feed's).
  const auto utf16 = [](std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t u : text) bytes += {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
    return bytes;
  };
  using Rewrite = std::string (*)(std::string_view);
  const Rewrite toEnglish = [](std::string_view s) { return WithDiscLanguage(s, UiLanguage::kEnglish); };
  const Rewrite iconsOn = [](std::string_view s) { return WithEntryIcons(s, true); };
  const Rewrite closeOff = [](std::string_view s) { return WithCloseAfterStart(s, false); };
  const struct {
    std::string file;
    Rewrite rewrite;
    std::string written;
  } rewrites[] = {
      {"; mine\nLanguage=ru\r\n", toEnglish, "; mine\r\nLanguage=en\r\n"},
      {"\xEF\xBB\xBFLanguage=ru\n; \xD0\x94\r\n", toEnglish, "\xEF\xBB\xBF; \xD0\x94\r\nLanguage=en\r\n"},
      {utf16(u"; \u040A\u0414\r\nLanguage=ru\n"), toEnglish, utf16(u"; \u040A\u0414\r\nLanguage=en\r\n")},
      {"", iconsOn, "EntryIcons=yes\r\n"},
      {utf16(u"entryicons=no\r\nLanguage=ru\r\n"), iconsOn, utf16(u"Language=ru\r\nEntryIcons=yes\r\n")},
      {"CloseAfterStart=yes\r\n; \xC4\r\nEntryIcons=yes", closeOff, "; \xC4\r\nEntryIcons=yes\r\n"},
  };
  for (const auto& r : rewrites) {
    const std::string written = r.rewrite(r.file);
    EXPECT_EQ(written, r.written) << r.file;
    // The rewritten setting alone changed.
    DiscSettings expected = ReadDiscSettings(r.file);
    if (r.rewrite == toEnglish) expected.language = UiLanguage::kEnglish;
    if (r.rewrite == iconsOn) expected.entryIcons = true;
    if (r.rewrite == closeOff) expected.closeAfterStart = false;
    EXPECT_EQ(ReadDiscSettings(written), expected) << written;
  }
  EXPECT_EQ(WithDiscLanguage("Language=en\r\n", std::nullopt), "");
}

using Kind = InstallPlan::Kind;

TEST(PlanInstall, DecidesWhatEachPathStarts) {
  const DiscFolder disc(L"X:\\Disc one");
  const TableProbe files({
      {L"X:\\Disc one\\setup.exe", PathKind::kFile},
      {L"X:\\Disc one\\My Tools\\setup.exe", PathKind::kFile},
      {L"X:\\Disc one\\My", PathKind::kFile},  // planted decoy for the unquoted name
      {L"X:\\Disc", PathKind::kFile},          // decoy cut from the disc folder's own blank
      {L"X:\\Disc one\\tool.exe", PathKind::kFile},
      {L"X:\\Disc one\\tool.exe -a", PathKind::kFolder},
      {L"X:\\Disc one\\readme.txt", PathKind::kFile},
      {L"X:\\Disc one\\dir", PathKind::kFolder},
      {L"X:\\Disc one\\v1.2\\setup.exe", PathKind::kFile},
      {L"X:\\Disc one\\tools\\readme", PathKind::kFile},
      {L"X:\\Disc one\\tools\\readme.exe", PathKind::kFile},
      {L"X:\\Disc one\\My.exe", PathKind::kFile},  // decoys with the implied ".exe"
      {L"X:\\Disc.exe", PathKind::kFile},
  });
  struct Case {
    const wchar_t* path;
    Kind kind;
    std::wstring fileOrSelect;
    std::wstring arguments;
    int show;
  } cases[] = {
      {L"\\setup.exe", Kind::kStart, L"X:\\Disc one\\setup.exe", L"", kShowMinimized},
      {L"\\My Tools\\setup.exe /quiet", Kind::kStart, L"X:\\Disc one\\My Tools\\setup.exe", L"/quiet",
       kShowMinimized},
      {L"\\tool.exe -a -b", Kind::kStart, L"X:\\Disc one\\tool.exe", L"-a -b", kShowMinimized},
      {L"\\readme.txt", Kind::kStart, L"X:\\Disc one\\readme.txt", L"", kShowMinimized},
      {L"\\missing.exe", Kind::kFileNotFound, L"X:\\Disc one\\missing.exe", L"", kShowMinimized},
      {L"\\missing.exe arg", Kind::kFileNotFound, L"X:\\Disc one\\missing.exe arg", L"", kShowMinimized},
      {L"\\dir", Kind::kFileNotFound, L"X:\\Disc one\\dir", L"", kShowMinimized},  // a folder starts nothing
      // ".exe" implied where the name has no extension; an existing file as named wins.
      {L"\\setup -s", Kind::kStart, L"X:\\Disc one\\setup.exe", L"-s", kShowMinimized},
      {L"\\My Tools\\setup -q", Kind::kStart, L"X:\\Disc one\\My Tools\\setup.exe", L"-q", kShowMinimized},
      {L"\\v1.2\\setup", Kind::kStart, L"X:\\Disc one\\v1.2\\setup.exe", L"", kShowMinimized},
      {L"\\tools\\readme", Kind::kStart, L"X:\\Disc one\\tools\\readme", L"", kShowMinimized},
      {L"\\gone", Kind::kFileNotFound, L"X:\\Disc one\\gone", L"", kShowMinimized},
      {L"\\setup /S", Kind::kFolderWindow, L"X:\\Disc one\\setup /S", L"", kShowNormal},
      {L"\\", Kind::kFolderWindow, L"X:\\Disc one", L"", kShowNormal},
      {L"x", Kind::kFolderWindow, L"X:\\Disc one", L"", kShowNormal},
      {L"\\tools/x", Kind::kFolderWindow, L"X:\\Disc one\\tools/x", L"", kShowNormal},
      {L"\\tools/", Kind::kFileNotFound, L"X:\\Disc one\\tools/", L"", kShowMinimized},
      {L"", Kind::kNothing, L"", L"", kShowMinimized},
  };
  for (const Case& c : cases) {
    const InstallPlan plan = PlanInstall({{L"\\setup.exe", L"first", L"", L"none"}, {c.path, L"t", L"", L"none"}}, 1,
                                         disc, files);
    EXPECT_EQ(plan.kind, c.kind) << c.path;
    EXPECT_EQ(plan.kind == Kind::kFolderWindow ? plan.select : plan.target.file, c.fileOrSelect) << c.path;
    EXPECT_EQ(plan.target.arguments, c.arguments) << c.path;
    EXPECT_EQ(plan.showState, c.show) << c.path;
  }
  EXPECT_EQ(FolderWindowArguments(L"X:\\Disc one\\a,b"), L"/select,\"X:\\Disc one\\a,b\"");
}

TEST(PlanInstall, NothingSelectedStartsTheFirstEntryWithoutTheFolderWindowRules) {
  const DiscFolder root(L"D:\\");
  const TableProbe files({{L"D:\\\\setup.exe", PathKind::kFile}, {L"D:\\", PathKind::kFolder}});
  struct Case {
    std::vector<CatalogueEntry> entries;
    int selected;
    Kind kind;
    std::wstring file;
  } cases[] = {
      {{{L"\\setup.exe", L"a", L"", L""}, {L"\\", L"b", L"", L""}}, -1, Kind::kStart, L"D:\\\\setup.exe"},
      {{{L"\\setup.exe", L"a", L"", L""}}, 1001, Kind::kStart, L"D:\\\\setup.exe"},
      {{}, -1, Kind::kFileNotFound, L"D:\\"},                              // empty catalogue: the folder alone
      {{{L"\\", L"a", L"", L""}}, -1, Kind::kFileNotFound, L"D:\\\\"},     // no folder window in the fallback
  };
  for (const Case& c : cases) {
    const InstallPlan plan = PlanInstall(c.entries, c.selected, root, files);
    EXPECT_EQ(plan.kind, c.kind);
    EXPECT_EQ(plan.target.file, c.file);
    EXPECT_EQ(plan.showState, kShowMinimized);
  }
}

// Only a started program that is valid and asks for the rights gets the shield; a
// program several entries start is read once.
TEST(EntriesAskingAdministrator, MarksStartedProgramsWhoseManifestAsksForTheRights) {
  class TablePrograms final : public ProgramProbe {
   public:
    mutable std::map<std::wstring, int> reads;
    std::optional<ProgramImage> ReadProgram(const std::wstring& path) const override {
      ++reads[path];
      if (path == L"D:\\\\admin.exe") return ProgramImage{true, Machine::kX86, false, true};
      if (path == L"D:\\\\broken.exe") return ProgramImage{false, Machine::kOther, false, true};
      if (path == L"D:\\\\locked.exe") return std::nullopt;
      return ProgramImage{true, Machine::kX86, false, false};
    }
  } programs;
  const TableProbe files({{L"D:\\\\admin.exe", PathKind::kFile}, {L"D:\\\\plain.exe", PathKind::kFile},
                          {L"D:\\\\broken.exe", PathKind::kFile}, {L"D:\\\\locked.exe", PathKind::kFile},
                          {L"D:\\", PathKind::kFolder}});
  const std::vector<CatalogueEntry> entries = {
      {L"\\admin.exe", L"", L"", L""},  {L"\\plain.exe", L"", L"", L""},   {L"\\broken.exe", L"", L"", L""},
      {L"\\locked.exe", L"", L"", L""}, {L"\\missing.exe", L"", L"", L""}, {L"\\", L"", L"", L""},
      {L"\\admin.exe -s", L"", L"", L""}};
  EXPECT_EQ(EntriesAskingAdministrator(entries, DiscFolder(L"D:\\"), files, programs),
            (std::vector<bool>{true, false, false, false, false, false, true}));
  EXPECT_EQ(programs.reads[L"D:\\\\admin.exe"], 1);
  EXPECT_EQ(programs.reads.count(L"D:\\\\missing.exe"), 0u);
}

// An entry's icon is that of what Install opens, found as Install finds it; none where
// Install finds nothing to open.
TEST(EntryIconFiles, AreWhatInstallOpens) {
  const TableProbe files({{L"D:\\\\setup.exe", PathKind::kFile}, {L"D:\\\\read me.txt", PathKind::kFile},
                          {L"D:\\", PathKind::kFolder}, {L"D:\\\\docs/a", PathKind::kFolder}});
  const std::vector<CatalogueEntry> entries = {
      {L"\\setup /quiet", L"", L"", L""}, {L"\\read me.txt", L"", L"", L""}, {L"\\missing.exe", L"", L"", L""},
      {L"\\", L"", L"", L""},             {L"\\docs/a", L"", L"", L""},      {L"\\gone/b", L"", L"", L""},
      {L"", L"", L"", L""}};
  EXPECT_EQ(EntryIconFiles(entries, DiscFolder(L"D:\\"), files),
            (std::vector<std::wstring>{L"D:\\\\setup.exe", L"D:\\\\read me.txt", L"", L"D:\\", L"D:\\\\docs/a",
                                       L"", L""}));
}

}  // namespace
}  // namespace discfront
