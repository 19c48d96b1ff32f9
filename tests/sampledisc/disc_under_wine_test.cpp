// The assembled sample disc under Wine: its programs say what they are and stay until
// asked to close. (The skins and pictures are loaded by the launcher's own tests, from the
// same generator; the icon's layout is checked natively and compiled by the resource compiler.)
#include <gtest/gtest.h>

#include "uidriver/uidriver.h"

namespace uidriver {
namespace {

using namespace std::chrono_literals;

// The disc is assembled in build/windows/disc; this test runs in build/windows/tests/sampledisc.
std::wstring DiscFolder() { return FolderOf(FolderOf(OwnFolder())) + L"\\disc"; }

TEST(SamplePrograms, HelloShowsItsWindowUntilClosed) {
  Process hello = Process::Start(DiscFolder() + L"\\programs\\hello.exe");
  HWND window = WaitForWindow({.title = L"Приветствие — пример", .processId = hello.Id()});
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(hello.WaitForExit(500ms));
  ASSERT_TRUE(hello.Close());
  EXPECT_EQ(hello.ExitCode(), 0u);
}

TEST(SamplePrograms, NoticeShowsItsMessageUntilOk) {
  Process notice = Process::Start(DiscFolder() + L"\\programs\\notice.exe");
  HWND box = WaitForMessageBox(notice.Id());
  ASSERT_NE(box, nullptr);
  const auto info = ReadMessageBox(box);
  EXPECT_EQ(info.caption, L"Сообщение — пример");
  EXPECT_NE(info.text.find(L"программа-пример"), std::wstring::npos);
  EXPECT_EQ(info.icon, IconKind::kInformation);
  EXPECT_FALSE(notice.WaitForExit(500ms));
  ASSERT_TRUE(PressMessageBoxButton(box, IDOK));
  ASSERT_TRUE(notice.WaitForExit());
  EXPECT_EQ(notice.ExitCode(), 0u);
}

}  // namespace
}  // namespace uidriver
