// The program's folder and reading a disc's files: what the launcher's end-to-end tests
// cannot reach easily.
#include "win32/file_io.h"

#include "win32/app_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace win32 {
namespace {

using discfront::ErrorNumber;

TEST(ApplicationFolder, KeepsTheBackslashOnlyAtADriveRoot) {
  struct Case {
    const wchar_t* programFile;
    const wchar_t* folder;
  };
  const Case cases[] = {
      {L"D:\\discfront.exe", L"D:\\"},
      {L"D:\\Диск с меню\\discfront.exe", L"D:\\Диск с меню"},
      {L"\\\\server\\share\\discfront.exe", L"\\\\server\\share"},
  };
  for (const Case& c : cases) EXPECT_EQ(FolderOfFile(c.programFile), c.folder) << c.programFile;
}

TEST(FileIo, MissingFolderFolderInPlaceOfTheFileAndEmptyFile) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"discfront файлы " + std::to_wstring(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  const std::wstring empty = folder + L"\\пусто.txt";
  CloseHandle(CreateFileW(empty.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

  std::string bytes;
  EXPECT_EQ(ReadWholeFile(folder + L"\\нет\\content.lnc", bytes), ErrorNumber::kFileNotFound);
  EXPECT_EQ(ReadWholeFile(folder, bytes), ErrorNumber::kPathFileAccess);
  std::wstring text = L"old";
  EXPECT_EQ(ReadItemText(empty, text), ErrorNumber::kNone);
  EXPECT_EQ(text, L"");

  DeleteFileW(empty.c_str());
  RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace win32
