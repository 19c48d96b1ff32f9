// The rules an entry's path must keep to name the same file on every machine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "disc/entry_path_rules.h"

namespace discfront {
namespace {

using Kind = PathFinding::Kind;

TEST(CheckEntryPath, ReportsEachRuleAPathBreaks) {
  const std::wstring name64(64, L'я');
  const std::wstring name65 = name64 + L'я';
  const std::wstring folder63 = L"\\" + std::wstring(63, L'f');
  // 257 characters: with "D:" before it and the null after it, 260.
  const std::wstring fits = folder63 + folder63 + folder63 + L"\\" + name64;
  struct Case {
    std::wstring path;
    std::vector<PathFinding> findings;
  } cases[] = {
      {L"", {}},
      {L"\\My Tools\\setup.exe /quiet", {}},
      {L"\\tools/x", {}},
      {L"\\console.exe \\comma\\lpt10\\com0", {}},  // names that only begin like a device
      {L"\\setup..exe", {}},
      {L"setup.exe", {{Kind::kNotFromDiscFolder, L""}}},
      {L"\\..\\other\\setup.exe", {{Kind::kLeavesDiscFolder, L".."}}},
      {L"\\tools/../../x", {{Kind::kLeavesDiscFolder, L".."}}},
      {L"C:\\setup.exe", {{Kind::kNotFromDiscFolder, L""}, {Kind::kDriveLetter, L"C:"}}},
      {L"\\d:setup.exe", {{Kind::kDriveLetter, L"d:"}}},
      {L"\\\\server\\share\\setup.exe", {{Kind::kServer, L""}}},
      {L"//server/share", {{Kind::kNotFromDiscFolder, L""}, {Kind::kServer, L""}}},
      {L"\\nul", {{Kind::kDeviceName, L"nul"}}},
      {L"\\AUX .log", {{Kind::kDeviceName, L"AUX .log"}}},
      {L"\\PRN\\setup.exe", {{Kind::kDeviceName, L"PRN"}}},
      {L"\\x/LPT9.dat", {{Kind::kDeviceName, L"LPT9.dat"}}},
      {L"\\" + name64 + L"\\a.exe", {}},
      {L"\\" + name65 + L"\\a.exe", {{Kind::kComponentTooLong, name65}}},
      {fits, {}},
      {fits + L"\\c", {{Kind::kPathTooLong, L""}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckEntryPath(c.path), c.findings) << testing::PrintToString(c.path);
  }
}

}  // namespace
}  // namespace discfront
