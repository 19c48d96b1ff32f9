// Dropped files: titles from version resources of real program files (built with the
// tests), and what each kind of drop becomes, over a table of files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "disc/dropped_file.h"
#include "disc/filesystem_drop_files.h"
#include "disc/version_text.h"

namespace discfront {
namespace {

std::string Sample(const std::string& name) {
  std::ifstream in(PROGRAM_SAMPLES + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::optional<std::wstring> Title(const std::string& bytes, std::uint16_t language) {
  return ReadVersionTitle(MemoryBytes(std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())),
                          language);
}

TEST(VersionTitle, DescriptionElseProductOfTheLanguagesTableAndNothingFromBrokenData) {
  const std::string version = Sample("version.exe");
  const std::size_t root = version.find(std::string("V\0S\0_\0V", 7)) - 6;
  const std::size_t english = version.find(std::string("F\0i\0l\0e\0D", 9)) - 6;
  ASSERT_LT(english, version.size());
  const auto patched = [&](std::size_t at, std::string bytes) { return version.substr(0, at) + bytes + version.substr(at + bytes.size()); };
  const struct { const char* what; std::string bytes; std::uint16_t language; std::optional<std::wstring> title; } cases[] = {
      {"English", version, 0x0409, L"Sample Setup & Tools"},
      {"Russian", version, 0x0419, L"Установка примера"},
      {"no table of the language: the first", version, 0x0407, L"Sample Setup & Tools"},
      {"blank description", Sample("product.exe"), 0x0409, L"Only the Product"},
      {"no version resource", Sample("x86-gui.exe"), 0x0409, std::nullopt},
      {"no program", Sample("text.exe"), 0x0409, std::nullopt},
      {"longer than the resource", patched(root, "\xFF\xFF"), 0x0409, std::nullopt},
      {"a text longer than its table", patched(english, "\xF0\x7F"), 0x0409, L"Установка примера"},
      {"a text of no length", patched(english, std::string("\0\0", 2)), 0x0409, L"Установка примера"},
  };
  for (const auto& c : cases) EXPECT_EQ(Title(c.bytes, c.language), c.title) << c.what;
}

// A file system of a table: a path with text is a file, one with names a folder.
struct TableFiles final : DropFiles {
  std::map<std::wstring, std::string> files;
  std::map<std::wstring, std::vector<std::wstring>> folders;

  TableFiles(decltype(files) f, decltype(folders) d) : files(std::move(f)), folders(std::move(d)) {}
  PathKind Probe(const std::wstring& path) const override {
    return files.contains(path) ? PathKind::kFile : folders.contains(path) ? PathKind::kFolder : PathKind::kMissing;
  }
  std::vector<std::wstring> List(const std::wstring& folder) const override { return folders.at(folder); }
  std::unique_ptr<ByteSource> Open(const std::wstring& path) const override {
    const auto it = files.find(path);
    if (it == files.end()) return nullptr;
    return std::make_unique<MemoryBytes>(std::span(reinterpret_cast<const unsigned char*>(it->second.data()), it->second.size()));
  }
};

TEST(ClassifyDrop, EntriesPicturesCopiesAndRefusalsWithTheirDiscPaths) {
  using K = DroppedFile::Kind;
  const std::string setup = Sample("version.exe");
  const TableFiles files({{L"C:\\Disc\\Progs\\Setup.exe", setup}, {L"C:\\Disc/readme.txt", "text"},
                          {L"C:\\Disc\\skin\\logo.GIF", "GIF89a"}, {L"C:\\Other\\tool.exe", setup},
                          {L"C:\\Disc2\\x.exe", ""}, {L"C:\\Disc\\A&B.exe", ""}, {L"C:\\Disc\\con.exe", ""},
                          {L"C:\\ДИСК\\Файл.exe", ""}, {L"C:\\Disc\\tools\\a.exe", ""},
                          {L"C:\\Disc\\tools\\b.CMD", ""}, {L"C:\\Disc\\tools\\c.msi", ""},
                          {L"C:\\Disc\\tools\\notes.txt", ""}},
                         {{L"C:\\Disc\\tools", {L"c.msi", L"notes.txt", L"b.CMD", L"sub.exe", L"a.exe"}},
                          {L"C:\\Disc\\tools\\sub.exe", {}}, {L"C:\\Disc\\empty", {}}});
  struct Expected { K kind; std::wstring discPath, title; };
  const struct { std::wstring folder, dropped; bool onEntry; std::vector<Expected> expected; } cases[] = {
      {L"C:\\DISC", L"C:\\Disc\\Progs\\Setup.exe", false, {{K::kEntry, L"\\Progs\\Setup.exe", L"Sample Setup Tools"}}},
      {L"c:\\disc\\", L"C:\\Disc/readme.txt", false, {{K::kEntry, L"\\readme.txt", L"readme"}}},
      {L"C:\\Disc", L"C:\\Disc\\skin\\logo.GIF", true, {{K::kPicture, L"\\skin\\logo.GIF", L""}}},
      {L"C:\\Disc", L"C:\\Disc\\skin\\logo.GIF", false, {{K::kEntry, L"\\skin\\logo.GIF", L"logo"}}},
      {L"C:\\Disc", L"C:\\Other\\tool.exe", false, {{K::kNeedsCopying, L"", L""}}},
      {L"C:\\Disc", L"C:\\Disc2\\x.exe", false, {{K::kNeedsCopying, L"", L""}}},
      {L"C:\\Disc", L"C:\\Disc\\gone.exe", false, {{K::kUnreadable, L"", L""}}},
      {L"C:\\Disc", L"C:\\Disc\\A&B.exe", false, {{K::kReservedCharacter, L"\\A&B.exe", L""}}},
      {L"C:\\Disc", L"C:\\Disc\\con.exe", false, {{K::kBreaksPathRules, L"\\con.exe", L""}}},
      {L"c:\\диск", L"C:\\ДИСК\\Файл.exe", false, {{K::kEntry, L"\\Файл.exe", L"Файл"}}},
      {L"C:\\Disc", L"C:\\Disc\\tools", true,
       {{K::kEntry, L"\\tools\\a.exe", L"a"}, {K::kEntry, L"\\tools\\b.CMD", L"b"}, {K::kEntry, L"\\tools\\c.msi", L"c"}}},
      {L"C:\\Disc", L"C:\\Disc\\empty", false, {{K::kNoPrograms, L"", L""}}},
      {L"", L"C:\\Disc\\readme.txt", false, {{K::kNoDiscFolder, L"", L""}}},
  };
  for (const auto& c : cases) {
    const std::vector<DroppedFile> results = ClassifyDrop(c.folder, {c.dropped}, c.onEntry, files, 0x0409);
    ASSERT_EQ(results.size(), c.expected.size()) << c.dropped;
    for (std::size_t i = 0; i < results.size(); ++i) {
      const Expected& e = c.expected[i];
      EXPECT_EQ(results[i].kind, e.kind) << c.dropped << " " << i;
      EXPECT_EQ(results[i].discPath, e.discPath) << c.dropped;
      const CatalogueEntry entry = e.kind == K::kEntry ? CatalogueEntry{e.discPath, e.title, L"", L"none"} : CatalogueEntry{};
      EXPECT_EQ(results[i].entry, entry) << c.dropped;
      EXPECT_EQ(results[i].findings.empty(), e.kind != K::kBreaksPathRules) << c.dropped;
    }
  }
  // A picture dropped with other files is an entry like any document.
  EXPECT_EQ(ClassifyDrop(L"C:\\Disc", {L"C:\\Disc\\skin\\logo.GIF", L"C:\\Disc/readme.txt"}, true, files, 0)[0].kind,
            K::kEntry);
}

// The same rules on real files: a dropped folder's program, its title read from the file.
TEST(ClassifyDrop, ReadsRealFolders) {
  const std::filesystem::path disc = std::filesystem::path(testing::TempDir()) / "drop-disc";
  std::filesystem::remove_all(disc);
  std::filesystem::create_directories(disc / "progs");
  std::filesystem::copy_file(PROGRAM_SAMPLES "version.exe", disc / "progs" / "Setup.exe");
  std::ofstream(disc / "progs" / "notes.txt") << "not a program";
  // The folder as dropped ends in its separator, which here is "/".
  const std::vector<DroppedFile> results =
      ClassifyDrop(disc.wstring(), {(disc / "progs" / "").wstring()}, false, FilesystemDropFiles(), 0x0419);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].entry, (CatalogueEntry{L"\\progs\\Setup.exe", L"Установка примера", L"", L"none"}));
  std::filesystem::remove_all(disc);
}

// Copies go under the chosen folder by their own names; one that would land on a file
// (or on an earlier copy) says so, one that the path rules refuse says why.
TEST(PlanCopyIn, TargetsClashesAndRefusals) {
  const TableFiles files({{L"C:\\Disc\\progs\\x.exe", ""}}, {});
  const struct { std::wstring subfolder; std::vector<std::wstring> sources; std::vector<CopyIn> expected; } cases[] = {
      {L"progs", {L"D:\\a\\Setup.exe", L"E:\\SETUP.exe", L"D:\\x.exe"},
       {{L"D:\\a\\Setup.exe", L"C:\\Disc\\progs\\Setup.exe", L"\\progs\\Setup.exe", false, false, {}},
        {L"E:\\SETUP.exe", L"C:\\Disc\\progs\\SETUP.exe", L"\\progs\\SETUP.exe", true, false, {}},
        {L"D:\\x.exe", L"C:\\Disc\\progs\\x.exe", L"\\progs\\x.exe", true, false, {}}}},
      {L"..", {L"D:\\A&B.exe"},
       {{L"D:\\A&B.exe", L"C:\\Disc\\..\\A&B.exe", L"\\..\\A&B.exe", false, true,
         {{PathFinding::Kind::kLeavesDiscFolder, L".."}}}}},
  };
  for (const auto& c : cases) EXPECT_EQ(PlanCopyIn(L"C:\\Disc\\", c.subfolder, c.sources, files), c.expected) << c.subfolder;
}

}  // namespace
}  // namespace discfront
