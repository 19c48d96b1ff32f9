#include "win32/file_io.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace win32 {
namespace {

using discfront::ErrorNumber;

class FileIoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"discfront файлы " + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);
  }
  void TearDown() override {
    for (const auto& f : created_) DeleteFileW(f.c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  std::wstring Write(const wchar_t* name, const std::string& bytes) {
    const std::wstring path = folder_ + L"\\" + name;
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    created_.push_back(path);
    return path;
  }

  std::wstring folder_;
  std::vector<std::wstring> created_;
};

TEST_F(FileIoTest, ReadsCyrillicItemTextFromAFolderWithCyrillicAndSpaces) {
  const std::wstring path = Write(L"описание.txt", "\xCE\xF4\xE8\xF1,\r\n \xE4\xE8\xF1\xEA\r\n");
  std::wstring text;
  EXPECT_EQ(ReadItemText(path, text), ErrorNumber::kNone);
  EXPECT_EQ(text, L"Офисдиск");
}

TEST_F(FileIoTest, MissingFileOrFolderIsError53) {
  std::string bytes;
  EXPECT_EQ(ReadWholeFile(folder_ + L"\\нет.lnc", bytes), ErrorNumber::kFileNotFound);
  EXPECT_EQ(ReadWholeFile(folder_ + L"\\нет\\content.lnc", bytes), ErrorNumber::kFileNotFound);
}

TEST_F(FileIoTest, AFolderInPlaceOfTheFileIsAnAccessError) {
  std::string bytes;
  EXPECT_EQ(ReadWholeFile(folder_, bytes), ErrorNumber::kPathFileAccess);
}

TEST_F(FileIoTest, DoubledBackslashAfterTheFolderIsAccepted) {
  Write(L"content.lnc", "&a#b$c@d");
  std::string bytes;
  EXPECT_EQ(ReadWholeFile(folder_ + L"\\\\content.lnc", bytes), ErrorNumber::kNone);
  EXPECT_EQ(bytes, "&a#b$c@d");
}

TEST_F(FileIoTest, EmptyFileReadsAsEmptyText) {
  const std::wstring path = Write(L"empty.txt", "");
  std::wstring text = L"old";
  EXPECT_EQ(ReadItemText(path, text), ErrorNumber::kNone);
  EXPECT_EQ(text, L"");
}

}  // namespace
}  // namespace win32
