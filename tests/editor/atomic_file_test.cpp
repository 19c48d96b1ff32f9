// Safe replace-on-save under Wine: the file gets the new bytes whole, or keeps the old
// ones with a reason, and no temporary file is left behind either way.
#include "win32/atomic_file.h"

#include <gtest/gtest.h>

#include "frontsmith_driver.h"

namespace frontsmith_test {
namespace {

TEST(AtomicFile, CreatesAndReplacesWithTheExactBytes) {
  TempFolder folder;
  const std::wstring name = folder.File(L"content.lnc");
  for (const std::string& bytes : {std::string("&a#b$c@d\r\n\0\xFF", 12), std::string(), std::string(3'000'000, 'x')}) {
    ASSERT_TRUE(win32::ReplaceFileContents(name, bytes).ok);
    EXPECT_EQ(ReadBytes(name), bytes);
  }
  EXPECT_EQ(folder.Files(), std::vector<std::wstring>{L"content.lnc"});
}

TEST(AtomicFile, FailuresNameAReasonAndLeaveTheOldBytes) {
  TempFolder folder;
  const std::wstring name = folder.File(L"content.lnc");
  ASSERT_TRUE(win32::ReplaceFileContents(name, "old").ok);
  ASSERT_TRUE(SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(CreateDirectoryW(folder.File(L"sub").c_str(), nullptr));
  const std::wstring targets[] = {name, folder.File(L"no such folder\\content.lnc"), folder.File(L"sub")};
  for (const std::wstring& target : targets) {
    const win32::FileWriteResult result = win32::ReplaceFileContents(target, "new");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
  }
  EXPECT_EQ(win32::ReplaceFileContents(name, "new").error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(ReadBytes(name), "old");
  EXPECT_EQ(folder.Files(), std::vector<std::wstring>{L"content.lnc"});
}

}  // namespace
}  // namespace frontsmith_test
