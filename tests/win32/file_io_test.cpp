// The program's folder and reading a disc's files, what the launcher's end-to-end tests
// cannot reach easily; handle owners, whichever way one gives up its handle.
#include "win32/file_io.h"

#include "win32/app_folder.h"
#include "win32/handles.h"

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

bool IsOpen(HANDLE h) {
  DWORD flags = 0;
  return GetHandleInformation(h, &flags) != FALSE;
}

TEST(Handles, MovesLeaveOneOwnerAndCloseWhatTheTargetHeld) {
  const HANDLE first = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  const HANDLE second = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  {
    UniqueHandle a(first), b(second);
    b = std::move(a);
    EXPECT_FALSE(IsOpen(second)) << "the target's own handle is closed by the assignment";
    EXPECT_FALSE(a.valid());
    UniqueHandle c(std::move(b));
    c = std::move(c);
    EXPECT_TRUE(IsOpen(first)) << "a move onto itself keeps the handle";
  }
  EXPECT_FALSE(IsOpen(first));
  EXPECT_FALSE(UniqueHandle(INVALID_HANDLE_VALUE).valid()) << "a failed CreateFile is no handle to close";
}

}  // namespace
}  // namespace win32
