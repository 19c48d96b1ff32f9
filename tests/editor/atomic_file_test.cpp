// Safe replace-on-save under Wine: the file gets the new bytes whole, or keeps the old
// ones with a reason, and no temporary file is left behind either way.
#include "win32/atomic_file.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "win32/file_io.h"

namespace {

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"atomic_file_test_" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);
  }
  void TearDown() override {
    for (const std::wstring& name : Files()) {
      const std::wstring full = folder_ + L"\\" + name;
      SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(full.c_str());
    }
    RemoveDirectoryW(folder_.c_str());
  }
  std::vector<std::wstring> Files() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder_ + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return names;
  }
  std::string Read(const std::wstring& name) const {
    std::string bytes;
    EXPECT_EQ(win32::ReadWholeFile(name, bytes), discfront::ErrorNumber::kNone);
    return bytes;
  }
  void Write(const std::wstring& name, const std::string& bytes) const {
    ASSERT_TRUE(win32::ReplaceFileContents(name, bytes).ok);
  }

  std::wstring folder_;
};

TEST_F(AtomicFileTest, CreatesAndReplacesWithTheExactBytes) {
  const std::wstring name = folder_ + L"\\content.lnc";
  const std::string first("&a#b$c@d\r\n\0\xFF", 12);
  Write(name, first);
  EXPECT_EQ(Read(name), first);
  Write(name, "");
  EXPECT_EQ(Read(name), "");
  const std::string big(3'000'000, 'x');
  Write(name, big);
  EXPECT_EQ(Read(name), big);
  EXPECT_EQ(Files(), std::vector<std::wstring>{L"content.lnc"});
}

TEST_F(AtomicFileTest, AFileThatMayNotBeWrittenKeepsItsBytes) {
  const std::wstring name = folder_ + L"\\content.lnc";
  Write(name, "old");
  ASSERT_TRUE(SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_READONLY));
  const win32::FileWriteResult result = win32::ReplaceFileContents(name, "new");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_FALSE(result.reason.empty());
  EXPECT_EQ(Read(name), "old");
  EXPECT_EQ(Files(), std::vector<std::wstring>{L"content.lnc"});
}

TEST_F(AtomicFileTest, FailuresNameAReason) {
  struct Case {
    std::wstring name;
  };
  const Case cases[] = {
      {folder_ + L"\\no such folder\\content.lnc"},
      {folder_},  // a folder, not a file
  };
  for (const Case& c : cases) {
    const win32::FileWriteResult result = win32::ReplaceFileContents(c.name, "new");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
  }
  EXPECT_TRUE(Files().empty());
}

}  // namespace
