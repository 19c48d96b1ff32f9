#include "win32/app_folder.h"

#include <gtest/gtest.h>

namespace win32 {
namespace {

TEST(ApplicationFolder, KeepsTheBackslashOnlyAtADriveRoot) {
  struct Case {
    const wchar_t* programFile;
    const wchar_t* folder;
  };
  const Case cases[] = {
      {L"D:\\discfront.exe", L"D:\\"},
      {L"D:\\Диск с меню\\discfront.exe", L"D:\\Диск с меню"},
      {L"C:\\a\\b\\c.exe", L"C:\\a\\b"},
      {L"\\\\server\\share\\discfront.exe", L"\\\\server\\share"},
  };
  for (const Case& c : cases) EXPECT_EQ(FolderOfFile(c.programFile), c.folder) << c.programFile;
}

}  // namespace
}  // namespace win32
