// The driver against its target program: the capabilities that the programs' own end-to-end
// tests do not already exercise (queries, posted input, which dialogs count as message
// boxes, process ownership), checked on a real window under Wine.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "uidriver/uidriver.h"

namespace uidriver {
namespace {

using namespace std::chrono_literals;

// Control ids of driver_target.cpp.
enum : int { kInfoButton = 104, kStatus = 110, kOpenButton = 113 };

constexpr wchar_t kTargetClass[] = L"UiDriverTarget";
constexpr wchar_t kTargetTitle[] = L"Цель драйвера";

std::wstring TargetPath() { return OwnFolder() + L"\\driver_target.exe"; }

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t ch : text) out += ch < 128 ? static_cast<char>(ch) : '?';
  return out;
}

HWND StartAndWait(Process& app) { return WaitForWindow({.className = kTargetClass, .processId = app.Id()}); }

class DriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.emplace(Process::Start(TargetPath()));
    main_ = StartAndWait(*app_);
    ASSERT_NE(main_, nullptr) << "the target's window did not appear";
  }

  HWND Control(int id) const { return GetDlgItem(main_, id); }

  // Waits for the status line to say `expected`; on failure tells what it said.
  ::testing::AssertionResult StatusBecomes(const std::wstring& expected) const {
    std::wstring last;
    if (WaitUntil([&] { return (last = GetText(Control(kStatus))) == expected; }, 5s)) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "status stayed at \"" << Narrow(last) << "\"";
  }

  std::optional<Process> app_;
  HWND main_ = nullptr;
};

TEST_F(DriverTest, QueriesMatchOnlyWhatTheyName) {
  EXPECT_EQ(FindWindowNow({.className = L"uidrivertarget", .title = kTargetTitle}), main_);
  EXPECT_EQ(FindWindowNow({.className = kTargetClass, .title = L"Другой заголовок"}), nullptr);
  EXPECT_EQ(WaitForWindow({.className = L"NoSuchWindowClass"}, 200ms), nullptr);
  EXPECT_EQ(FindChildren(main_, {.className = L"Button"}).size(), 2u);
  EXPECT_EQ(FindChild(main_, {.className = L"Button", .text = L"Нет такой"}), nullptr);
}

TEST_F(DriverTest, MessageBoxesAreFoundOnlyInTheirOwnProcessAndNotAmongOtherDialogs) {
  Process other = Process::Start(TargetPath());
  ASSERT_NE(StartAndWait(other), nullptr);
  PressButton(Control(kInfoButton));
  HWND box = WaitForMessageBox(app_->Id());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WaitForMessageBox(other.Id(), 300ms), nullptr);
  EXPECT_TRUE(PressMessageBoxButton(box));
  EXPECT_TRUE(StatusBecomes(L"box 1"));

  PressButton(Control(kOpenButton));
  HWND dialog = WaitForWindow({.className = L"#32770", .processId = app_->Id()});
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(IsMessageBox(dialog));
  EXPECT_EQ(WaitForMessageBox(app_->Id(), 300ms), nullptr);
  // The dialog may still be setting itself up: ask again until it goes.
  EXPECT_TRUE(WaitUntil([&] {
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return WaitUntil([&] { return !IsWindow(dialog); }, 300ms);
  }));
  EXPECT_TRUE(StatusBecomes(L"open 0"));
}

TEST(DriverProcess, ProgramsThatRefuseToCloseAreKilledOrEndWithTheirProcessObject) {
  EXPECT_THROW(Process::Start(OwnFolder() + L"\\no_such_program.exe"), std::runtime_error);
  Process refusing = Process::Start(TargetPath(), L"/noclose");
  ASSERT_NE(StartAndWait(refusing), nullptr);
  EXPECT_FALSE(refusing.Close(300ms));
  EXPECT_TRUE(refusing.IsRunning());
  refusing.Kill();
  EXPECT_FALSE(refusing.IsRunning());
  EXPECT_EQ(refusing.ExitCode(), 0xDEADu);

  HANDLE watcher = nullptr;
  {
    Process app = Process::Start(TargetPath(), L"/noclose");
    ASSERT_NE(StartAndWait(app), nullptr);
    watcher = OpenProcess(SYNCHRONIZE, FALSE, app.Id());
    ASSERT_NE(watcher, nullptr);
  }
  EXPECT_EQ(WaitForSingleObject(watcher, 0), WAIT_OBJECT_0);
  CloseHandle(watcher);
}

}  // namespace
}  // namespace uidriver
