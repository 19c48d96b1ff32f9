// Images of generated folders, read back by readers written elsewhere (xorriso,
// bsdtar, isoinfo): every file and folder with its name, bytes and date; valid and
// unique primary names; the labels; the same bytes twice; refusals and failures that
// leave nothing behind.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "disc/filesystem_image_file.h"
#include "disc/filesystem_source.h"
#include "disc/image_plan.h"

namespace discfront {
namespace {

namespace fs = std::filesystem;
using Reason = ImageRefusal::Reason;

struct Output {
  int exit;
  std::string text;
};

// Readers run in a zone far from UTC, so that a date written with the wrong offset shows.
Output Shell(const std::string& command) {
  Output out{-1, {}};
  FILE* pipe = popen(("TZ=Asia/Tokyo " + command + " 2>&1").c_str(), "r");
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.text.append(buffer, n);
  const int status = pclose(pipe);
  out.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return out;
}

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

std::string ReadAll(const fs::path& path) {
  std::ifstream stream(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(stream), {});
}

void WriteFile(const fs::path& path, std::size_t size, std::int64_t seconds) {
  fs::create_directories(path.parent_path());
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 31 + size) % 251);
  std::ofstream(path, std::ios::binary) << bytes;
  fs::last_write_time(path, std::chrono::file_clock::from_sys(std::chrono::sys_seconds(std::chrono::seconds(seconds))));
}

std::int64_t Seconds(const fs::path& path) {
  const auto system = std::chrono::file_clock::to_sys(fs::last_write_time(path));
  return std::chrono::floor<std::chrono::seconds>(system).time_since_epoch().count();
}

class Scratch : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("image_test_" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "src");
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path Src(const std::string& path = "") const { return dir_ / "src" / fs::u8path(path); }
  std::set<std::string> Leftovers() const {
    std::set<std::string> out;
    for (const auto& entry : fs::directory_iterator(dir_)) out.insert(entry.path().filename().string());
    return out;
  }
  fs::path dir_;
};

// Lists entries in reverse and fails to open the files named so: the plan must not
// depend on listing order, and must name a file it cannot read.
class TwistedSource : public FilesystemSource {
 public:
  TwistedSource(fs::path root, std::u16string unreadable) : FilesystemSource(root), unreadable_(unreadable) {}
  std::optional<std::vector<SourceEntry>> List(const SourcePath& folder) override {
    auto entries = FilesystemSource::List(folder);
    if (entries) std::reverse(entries->begin(), entries->end());
    return entries;
  }
  std::unique_ptr<SourceReader> Open(const SourcePath& file) override {
    return file.back() == unreadable_ ? nullptr : FilesystemSource::Open(file);
  }

 private:
  std::u16string unreadable_;
};

ImageWriteResult Write(FolderSource& source, const fs::path& target, const ImageProgress& progress = {}) {
  const PlanResult planned = PlanImage(source, {u"Диск с файлами 2024 года", 1700000000});
  EXPECT_TRUE(planned.plan.has_value());
  FilesystemImageFile file(target);
  return WriteImage(*planned.plan, source, file, progress);
}

// Every entry below root, with a file's bytes and date; a folder's bytes are "/".
std::map<std::string, std::pair<std::string, std::int64_t>> Tree(const fs::path& root) {
  std::map<std::string, std::pair<std::string, std::int64_t>> out;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = entry.path().lexically_relative(root).string();
    out[name] = entry.is_directory() ? std::make_pair(std::string("/"), std::int64_t{0})
                                     : std::make_pair(ReadAll(entry.path()), Seconds(entry.path()));
  }
  return out;
}

TEST_F(Scratch, EveryReaderGetsBackEveryFileWithItsNameBytesAndDate) {
  struct Case {
    std::string path;
    std::size_t size;
  };
  const std::string deep = "Глубоко/1/2/3/4/5/6/7/8/9/10/11/";
  const std::string longName(60, 'n');
  std::vector<Case> cases = {
      {"Документы/Привет, мир.txt", 12},  {"日本語のファイル.dat", 2047},   {"Café crème façade.TXT", 2048},
      {"Long file name 1.txt", 2049},      {"Long file name 2.txt", 4097},  {"LONG_F~1.TXT", 1},
      {"readme.txt", 5},                    {"README_.TXT", 6},               {"пусто.txt", 0},
      {longName + ".txt", 3},     {"a.b.c.tar.gz", (1 << 20) + 3}, {"no extension", 7},
  };
  for (int i = 0; i < 150; ++i) cases.push_back({"Many/файл номер " + std::to_string(i) + " с длинным именем.txt", 100});
  cases.push_back({deep + "deepest.txt", 100});
  for (std::size_t i = 0; i < cases.size(); ++i) WriteFile(Src(cases[i].path), cases[i].size, 1000000000 + 86399 * i);
  fs::create_directories(Src("Пустая папка/и ещё одна"));
  fs::create_directories(Src(deep + "12/13"));

  TwistedSource twisted(Src(), u"");
  FilesystemSource plain(Src());
  ASSERT_EQ(Write(plain, dir_ / "a.iso").outcome, ImageWriteResult::Outcome::kWritten);
  ASSERT_EQ(Write(twisted, dir_ / "b.iso").outcome, ImageWriteResult::Outcome::kWritten);
  EXPECT_TRUE(ReadAll(dir_ / "a.iso") == ReadAll(dir_ / "b.iso")) << "the same folder gave different bytes";
  EXPECT_EQ(Leftovers(), (std::set<std::string>{"src", "a.iso", "b.iso"}));

  const auto expected = Tree(Src());
  const std::string image = Quoted(dir_ / "a.iso");
  for (const std::string& reader :
       {"bsdtar -xf " + image + " -C ", "xorriso -osirrox on -indev " + image + " -extract / "}) {
    const fs::path out = dir_ / "out";
    fs::create_directories(out);
    const Output result = Shell(reader + Quoted(out));
    EXPECT_EQ(result.exit, 0) << reader << result.text;
    for (const char* complaint : {"WARNING", "SORRY", "rror"}) EXPECT_EQ(result.text.find(complaint), std::string::npos) << result.text;
    const auto got = Tree(out);
    EXPECT_EQ(got.size(), expected.size()) << reader;
    for (const auto& [name, content] : expected) {
      const auto found = got.find(name);
      if (found == got.end()) {
        ADD_FAILURE() << reader << " lost " << name;
      } else {
        EXPECT_TRUE(found->second.first == content.first) << reader << " changed the bytes of " << name;
        EXPECT_EQ(found->second.second, content.second) << reader << " changed the date of " << name;
      }
    }
    fs::remove_all(out);
  }

  // The primary tree: valid d-character names, unique in their folder, at most 8
  // levels, and every file of the folder.
  const Output listing = Shell("isoinfo -l -i " + image);
  std::istringstream lines(listing.text);
  const std::regex folderLine("Directory listing of (/.*)");
  const std::regex entryLine("^(.).*\\]  (.*) $");
  const std::regex validFile("[A-Z0-9_]{1,8}\\.[A-Z0-9_]{0,3};1");
  const std::regex validFolder("[A-Z0-9_]{1,8}");
  std::string folder;
  std::set<std::string> seen;
  std::size_t files = 0;
  for (std::string line; std::getline(lines, line);) {
    std::smatch match;
    if (std::regex_match(line, match, folderLine)) {
      folder = match[1];
      EXPECT_LE(std::count(folder.begin(), folder.end(), '/'), 8) << folder;
    } else if (std::regex_match(line, match, entryLine) && match[2] != "." && match[2] != "..") {
      const bool isFolder = match[1] == "d";
      files += isFolder ? 0 : 1;
      EXPECT_TRUE(std::regex_match(match[2].str(), isFolder ? validFolder : validFile)) << folder << match[2];
      EXPECT_TRUE(seen.insert(folder + match[2].str().substr(0, match[2].str().find(';'))).second)
          << "twice: " << folder << match[2];
    }
  }
  EXPECT_EQ(files, std::count_if(expected.begin(), expected.end(), [](auto& e) { return e.second.first != "/"; }));

  // The labels: 32 d-characters in the primary descriptor, 16 UCS-2 characters in the Unicode one.
  EXPECT_NE(Shell("isoinfo -d -i " + image).text.find("Volume id: DISK_S_FAJLAMI_2024_GODA\n"), std::string::npos);
  const std::string bytes = ReadAll(dir_ / "a.iso");
  std::u16string joliet;
  for (std::size_t i = 17 * 2048 + 40; i < 17 * 2048 + 72; i += 2) {
    joliet += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) << 8 | static_cast<unsigned char>(bytes[i + 1]));
  }
  EXPECT_TRUE(joliet == u"Диск с файлами 2");
}

TEST_F(Scratch, RefusalsNameEveryOffendingFileBeforeAnythingIsWritten) {
  WriteFile(Src("good.txt"), 10, 0);
  WriteFile(Src("sub/" + std::string(65, 'x')), 1, 0);
  WriteFile(Src(std::string(64, 'y')), 1, 0);  // just fits
  for (const char* bad : {"a;b", "a*b", "a?b", "a:b", "a\\b", "tab\there"}) WriteFile(Src(std::string("bad/") + bad), 1, 0);
  WriteFile(Src("unreadable.txt"), 1, 0);
  WriteFile(Src("twins/Ёлка.txt"), 1, 0);
  WriteFile(Src("twins/ёЛКА.TXT"), 1, 0);
  WriteFile(Src("twins/ЁЛКИ.txt"), 1, 0);
  fs::create_directory_symlink(Src(), Src("loop"));
  std::ofstream((dir_ / "src").string() + "/n\xff").close();  // not UTF-8
  std::ofstream(Src("huge.bin")).close();
  fs::resize_file(Src("huge.bin"), std::uint64_t{4} << 30);  // sparse
  const std::vector<ImageRefusal> expected = {
      {Reason::kBadCharacter, {u"bad", u"a*b"}},  {Reason::kBadCharacter, {u"bad", u"a:b"}},
      {Reason::kBadCharacter, {u"bad", u"a;b"}},  {Reason::kBadCharacter, {u"bad", u"a?b"}},
      {Reason::kBadCharacter, {u"bad", u"a\\b"}}, {Reason::kBadCharacter, {u"bad", u"tab\there"}},
      {Reason::kTooLarge, {u"huge.bin"}},         {Reason::kFolderLoop, {u"loop"}},
      {Reason::kUndecodableName, {u"n\u00ff"}},   {Reason::kNameTooLong, {u"sub", std::u16string(65, u'x')}},
      {Reason::kCaseTwin, {u"twins", u"Ёлка.txt"}}, {Reason::kCaseTwin, {u"twins", u"ёЛКА.TXT"}},
      {Reason::kUnreadable, {u"unreadable.txt"}},
  };
  TwistedSource source(Src(), u"unreadable.txt");
  EXPECT_EQ(PlanImage(source, {}).refusals, expected);

  // The command line names each one and leaves no file behind.
  const Output out = Shell(std::string(DISCPACK) + " image " + Quoted(Src()) + " " + Quoted(dir_ / "x.iso"));
  EXPECT_EQ(out.exit, 1);
  for (const char* name : {"bad/a;b", "bad/a*b", "bad/tab\there", "huge.bin", "loop", "twins/ёЛКА.TXT", "sub/xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"}) {
    EXPECT_NE(out.text.find(Src(name).string() + ": "), std::string::npos) << name << "\n" << out.text;
  }
  EXPECT_EQ(Leftovers(), std::set<std::string>{"src"});
}

TEST_F(Scratch, AFailedOrCancelledWriteLeavesTheOldImageAndNoPartialFile) {
  WriteFile(Src("one.bin"), 3 << 20, 0);
  WriteFile(Src("two.bin"), 5000, 0);
  std::ofstream(dir_ / "disc.iso") << "old image";
  using Outcome = ImageWriteResult::Outcome;
  struct Case {
    const char* what;
    std::function<bool(std::uint64_t, std::uint64_t, const SourcePath&)> progress;
    Outcome outcome;
  };
  const Case cases[] = {
      {"cancel at once", [](auto, auto, auto&) { return false; }, Outcome::kCancelled},
      {"cancel halfway", [](auto done, auto total, auto&) { return done < total / 2; }, Outcome::kCancelled},
      {"a file shrinks", [this](auto, auto, const SourcePath& f) { return f.empty() || (fs::resize_file(Src("two.bin"), 10), true); },
       Outcome::kFileChanged},
      {"a file grows", [this](auto, auto, const SourcePath& f) { return f.empty() || (fs::resize_file(Src("two.bin"), 9000), true); },
       Outcome::kFileChanged},
  };
  for (const Case& c : cases) {
    WriteFile(Src("two.bin"), 5000, 0);
    FilesystemSource source(Src());
    EXPECT_EQ(Write(source, dir_ / "disc.iso", c.progress).outcome, c.outcome) << c.what;
    EXPECT_EQ(ReadAll(dir_ / "disc.iso"), "old image") << c.what;
    EXPECT_EQ(Leftovers(), (std::set<std::string>{"src", "disc.iso"})) << c.what;
  }
  FilesystemSource source(Src());
  EXPECT_EQ(Write(source, dir_ / "missing" / "disc.iso").outcome, Outcome::kCannotCreate);
}

TEST_F(Scratch, TheCommandLineAnswersBadArgumentsAndPlacesWithCodeAndWordsInTheLocalesLanguage) {
  WriteFile(Src("a.txt"), 1, 0);
  const std::string english = "LC_ALL=C.UTF-8 ";
  const std::string nowhere = "image " + Quoted(dir_ / "nowhere") + " " + Quoted(dir_ / "x.iso");
  struct Case {
    std::string locale;
    std::string arguments;
    int exit;
    std::string says;
  };
  const Case cases[] = {
      {english, "", 64, "usage: discpack image FOLDER IMAGE.iso"},
      {english, "image " + Quoted(Src()), 64, "usage:"},
      {english, "image " + Quoted(Src()) + " x.iso --label", 64, "usage:"},
      {english, "image " + Quoted(Src()) + " x.iso --bogus", 64, "usage:"},
      {english, "check", 64, "usage:"},
      {english, "check " + Quoted(Src()) + " --xml", 64, "usage:"},
      {english, "check " + Quoted(dir_ / "nowhere"), 2, "there is no folder"},
      {english, "check " + Quoted(Src()), 2, "the catalogue " + (dir_ / "src" / "content.lnc").string() + " cannot be read"},
      {english, nowhere, 1, "there is no folder " + (dir_ / "nowhere").string() + "\n"},
      {english, "image " + Quoted(Src()) + " " + Quoted(Src("in.iso")), 1, "inside the folder it images"},
      {"LC_ALL= LC_MESSAGES= LANG=ru_RU.UTF-8 ", "", 64, "вызов: discpack image ПАПКА ОБРАЗ.iso"},
      {"LC_ALL=ru_RU.UTF-8 LANG=C ", nowhere, 1, "папки " + (dir_ / "nowhere").string() + " нет\n"},
      {"LC_ALL= LC_MESSAGES=C LANG=ru_RU.UTF-8 ", "", 64, "usage:"},
      {"LC_ALL= LC_MESSAGES= LANG=C ", "image " + Quoted(Src()) + " " + Quoted(dir_ / "x.iso") + " --label 'Мой диск'", 0, ""},
  };
  for (const Case& c : cases) {
    const Output out = Shell(c.locale + DISCPACK + " " + c.arguments);
    EXPECT_EQ(out.exit, c.exit) << c.locale << c.arguments << "\n" << out.text;
    EXPECT_NE(out.text.find(c.says), std::string::npos) << c.locale << c.arguments << "\n" << out.text;
  }
  EXPECT_FALSE(fs::exists(Src("in.iso")));
  EXPECT_NE(Shell("isoinfo -d -i " + Quoted(dir_ / "x.iso")).text.find("Volume id: MOJ_DISK\n"), std::string::npos);
}

// The disc check from the command line: its exit code follows the worst finding, and
// a skin or picture that is there is marked "not checked" where no picture loader is.
TEST_F(Scratch, TheCommandLineCheckGradesFindingsAndMarksPicturesItCannotDecode) {
  const auto disc = [&](const std::string& name, const std::string& catalogue, std::vector<std::string> files) {
    for (const std::string& file : files) WriteFile(dir_ / name / file, 1, 0);
    std::ofstream(dir_ / name / "content.lnc", std::ios::binary) << catalogue;
    return Quoted(dir_ / name);
  };
  const std::vector<std::string> whole = {"discfront.exe", "info.txt", "a.txt", "skin/button.bmp",
                                          "skin/buttonmove.bmp", "skin/buttondown.bmp", "skin/back.bmp"};
  const std::string quoted = disc("quoted", "&\\a.txt#A$d@none\r\n&\\gone.txt#Say \"hi\"$d@none\r\n", {"a.txt"});
  // A Cyrillic folder name: the file system is asked in UTF-8, not through the C locale.
  const std::string warned = disc("предупреждения", "&\\a.txt#A$d@\\pic.bmp\r\n", whole);
  const std::string bare = disc("bare", "&\\a.txt#A$d@none\r\n", {"discfront.exe", "info.txt", "a.txt"});
  struct Case {
    std::string arguments;
    int exit;
    std::vector<std::string> says;
  };
  const Case cases[] = {
      {"check " + quoted, 2, {"info.txt", "gone.txt"}},
      {"check " + quoted + " --json", 2,
       {"[\n  {\"grade\": \"error\"", "\"file\": \"" + (dir_ / "quoted" / "discfront.exe").string() + "\"",
        "Say \\\"hi\\\"", "\"entry\": 2"}},
      {"check " + warned, 1, {"pic.bmp", "not checked: \"\\skin\\back.bmp\""}},
      {"check " + warned + " --json", 1, {"\"grade\": \"warning\"", "\"grade\": \"not checked\""}},
      {"check " + bare + " --json", 2, {"\\\\skin\\\\button.bmp"}},
  };
  for (const Case& c : cases) {
    const Output out = Shell("LC_ALL=C.UTF-8 " DISCPACK " " + c.arguments);
    EXPECT_EQ(out.exit, c.exit) << c.arguments << "\n" << out.text;
    for (const std::string& says : c.says) EXPECT_NE(out.text.find(says), std::string::npos) << says << "\n" << out.text;
  }
}

}  // namespace
}  // namespace discfront
