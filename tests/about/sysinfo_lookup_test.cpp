#include "about/sysinfo_lookup.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "about/key_value.h"

namespace discfront::about {
namespace {

std::vector<std::uint8_t> Utf16(std::wstring_view text, bool withNul) {
  std::vector<std::uint8_t> bytes;
  for (wchar_t c : text) {
    bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFF));
  }
  if (withNul) bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

TEST(FormatKeyValue, TextAndOtherTypes) {
  constexpr std::uint32_t kRegBinary = 3;
  struct Case {
    const char* what;
    std::uint32_t type;
    std::vector<std::uint8_t> bytes;
    std::wstring before;
    std::optional<std::wstring> after;
  } cases[] = {
      {"text with its NUL", kRegSz, Utf16(L"C:\\Файлы\\m.exe", true), L"old", L"C:\\Файлы\\m.exe"},
      {"text without its NUL", kRegSz, Utf16(L"C:\\Файлы\\m.exe", false), L"", L"C:\\Файлы\\m.exe"},
      {"text of an odd byte count", kRegSz, {'A', 0, 'B'}, L"", L"AB"},
      {"another type keeps what was there", kRegBinary, {1, 2, 3}, L"was", L"was"},
      {"size 0 of text fails", kRegSz, {}, L"was", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatKeyValue(c.type, c.bytes, c.before), c.after) << c.what;
}

// A registry of a few values and a file system of a few files.
class TablePlatform : public SysInfoPlatform {
 public:
  std::map<std::wstring, RegistryValue> values;  // "key|name"
  std::set<std::wstring> files;
  std::vector<std::wstring> reads;

  std::optional<RegistryValue> ReadMachineValue(const std::wstring& key, const std::wstring& name) override {
    reads.push_back(key + L"|" + name);
    const auto it = values.find(key + L"|" + name);
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  bool FileExists(const std::wstring& path) override { return files.contains(path); }
  std::wstring SystemFolder() override { return L"C:\\windows\\system32"; }
  std::wstring ExpandVariables(const std::wstring& text) override {
    std::wstring expanded = text;
    if (const std::size_t at = expanded.find(L"%SystemRoot%"); at != std::wstring::npos) {
      expanded.replace(at, 12, L"C:\\windows");
    }
    return expanded;
  }
};

TEST(FindSysInfo, TriesPathThenToolsLocationThenTheSystemFolder) {
  const std::wstring path = std::wstring(kMsinfoKey) + L"|PATH";
  const std::wstring location = std::wstring(kToolsLocationKey) + L"|MSINFO";
  const std::wstring folder = L"C:\\Program Files\\Common Files\\Msinfo";
  const std::wstring inFolder = folder + L"\\MSINFO32.EXE";
  const std::wstring system = L"C:\\windows\\system32\\msinfo32.exe";
  struct Case {
    const char* what;
    std::map<std::wstring, RegistryValue> values;
    std::set<std::wstring> files;
    std::optional<std::wstring> commandLine;
    std::size_t reads;
  } cases[] = {
      {"PATH of a file that exists, and nothing else read",
       {{path, {kRegSz, Utf16(L"D:\\tools\\info.exe", true)}}, {location, {kRegSz, Utf16(folder, true)}}},
       {L"D:\\tools\\info.exe", system},
       L"\"D:\\tools\\info.exe\"",
       1},
      {"a quoted PATH is not quoted again",
       {{path, {kRegSz, Utf16(L"\"D:\\a b\\i.exe\"", false)}}},
       {L"D:\\a b\\i.exe"},
       L"\"D:\\a b\\i.exe\"",
       1},
      {"PATH of a file that is gone: the tools folder",
       {{path, {kRegSz, Utf16(L"D:\\gone\\info.exe", true)}}, {location, {kRegSz, Utf16(folder, true)}}},
       {inFolder},
       L"\"" + inFolder + L"\"",
       2},
      {"an expandable PATH", {{path, {kRegExpandSz, Utf16(L"%SystemRoot%\\system32\\msinfo32.exe", true)}}},
       {system}, L"\"" + system + L"\"", 1},
      {"an expandable tools folder", {{location, {kRegExpandSz, Utf16(L"%SystemRoot%\\Msinfo", true)}}},
       {L"C:\\windows\\Msinfo\\MSINFO32.EXE"}, L"\"C:\\windows\\Msinfo\\MSINFO32.EXE\"", 2},
      {"the tools folder without the file: the system folder",
       {{location, {kRegSz, Utf16(folder, true)}}},
       {system},
       L"\"" + system + L"\"",
       2},
      {"an unreadable PATH counts as none",
       {{path, {kRegSz, {}}}, {location, {kRegSz, Utf16(folder, false)}}},
       {inFolder},
       L"\"" + inFolder + L"\"",
       2},
      {"nothing anywhere", {{location, {kRegSz, Utf16(folder, true)}}}, {}, std::nullopt, 2},
  };
  for (const Case& c : cases) {
    TablePlatform platform;
    platform.values = c.values;
    platform.files = c.files;
    EXPECT_EQ(FindSysInfo(platform), c.commandLine) << c.what;
    EXPECT_EQ(platform.reads.size(), c.reads) << c.what;
  }
}

}  // namespace
}  // namespace discfront::about
