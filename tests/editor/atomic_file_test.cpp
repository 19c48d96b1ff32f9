// Safe replace-on-save under Wine: the file gets the new bytes whole, or keeps the old
// ones with a reason, and no temporary file is left behind either way.
#include "win32/atomic_file.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

#include "win32/file_io.h"

namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(folder_); }
  void TearDown() override {
    SetFileAttributesW(name_.c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(folder_);
  }
  std::vector<std::wstring> Files() const {
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().wstring());
    return names;
  }
  std::string Read() const {
    std::string bytes;
    EXPECT_EQ(win32::ReadWholeFile(name_, bytes), discfront::ErrorNumber::kNone);
    return bytes;
  }

  const fs::path folder_ = fs::temp_directory_path() / ("atomic_file_test_" + std::to_string(GetCurrentProcessId()));
  const std::wstring name_ = (folder_ / "content.lnc").wstring();
};

TEST_F(AtomicFileTest, CreatesAndReplacesWithTheExactBytes) {
  for (const std::string& bytes : {std::string("&a#b$c@d\r\n\0\xFF", 12), std::string(), std::string(3'000'000, 'x')}) {
    ASSERT_TRUE(win32::ReplaceFileContents(name_, bytes).ok);
    EXPECT_EQ(Read(), bytes);
  }
  EXPECT_EQ(Files(), std::vector<std::wstring>{L"content.lnc"});
}

TEST_F(AtomicFileTest, FailuresNameAReasonAndLeaveTheOldBytes) {
  ASSERT_TRUE(win32::ReplaceFileContents(name_, "old").ok);
  ASSERT_TRUE(SetFileAttributesW(name_.c_str(), FILE_ATTRIBUTE_READONLY));
  const std::wstring targets[] = {name_, (folder_ / "no such folder" / "content.lnc").wstring(), folder_.wstring()};
  for (const std::wstring& target : targets) {
    const win32::FileWriteResult result = win32::ReplaceFileContents(target, "new");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
  }
  EXPECT_EQ(win32::ReplaceFileContents(name_, "new").error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(Read(), "old");
  EXPECT_EQ(Files(), std::vector<std::wstring>{L"content.lnc"});
}

}  // namespace
