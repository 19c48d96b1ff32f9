// The driver against its target program: every capability is checked on a real window under Wine.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "uidriver/uidriver.h"

namespace uidriver {
namespace {

using namespace std::chrono_literals;

enum : int {
  kList = 101, kEdit = 102, kCombo = 103,
  kInfoButton = 104, kStopButton = 105, kWarnButton = 106, kQuestionButton = 107, kPlainButton = 108,
  kPad = 109, kStatus = 110, kFolder = 111, kWorkDir = 112,
};

constexpr wchar_t kTargetClass[] = L"UiDriverTarget";

std::wstring TargetPath() { return OwnFolder() + L"\\driver_target.exe"; }

class DriverTest : public ::testing::Test {
 protected:
  void SetUp() override { StartTarget(TargetPath()); }

  void StartTarget(const std::wstring& program, const std::wstring& arguments = {}) {
    app_.emplace(Process::Start(program, arguments));
    main_ = WaitForWindow({.className = kTargetClass, .processId = app_->Id()});
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

  static std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t ch : text) out += ch < 128 ? static_cast<char>(ch) : '?';
    return out;
  }

  std::optional<Process> app_;
  HWND main_ = nullptr;
};

TEST_F(DriverTest, ReadsListBoxItemsAndSelection) {
  HWND list = FindChild(main_, {.className = L"ListBox"});
  ASSERT_EQ(list, Control(kList));
  EXPECT_EQ(ListBoxItems(list), (std::vector<std::wstring>{L"Один", L"Два", L"Три, четыре"}));
  EXPECT_EQ(ListBoxSelection(list), -1);

  ASSERT_TRUE(SelectListBoxItem(list, 1));
  EXPECT_EQ(ListBoxSelection(list), 1);
  EXPECT_TRUE(StatusBecomes(L"selected 1"));
  EXPECT_FALSE(SelectListBoxItem(list, 7));
}

TEST_F(DriverTest, ReadsAndSetsEditText) {
  HWND edit = FindChild(main_, {.className = L"Edit"});
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(GetText(edit), L"начало");
  ASSERT_TRUE(SetText(edit, L"Новый текст, с запятой"));
  EXPECT_EQ(GetText(edit), L"Новый текст, с запятой");
}

struct BoxCase {
  int button;
  std::wstring text;
  IconKind icon;
  std::vector<std::wstring> buttons;
  int answer;
};

TEST_F(DriverTest, ReadsMessageBoxesAndTheirIcons) {
  const BoxCase cases[] = {
      {kInfoButton, L"Сведения для проверки", IconKind::kInformation, {L"OK"}, IDOK},
      {kStopButton, L"Ошибка для проверки", IconKind::kError, {L"OK"}, IDOK},
      {kWarnButton, L"Предупреждение для проверки", IconKind::kWarning, {L"OK"}, IDOK},
      {kQuestionButton, L"Вопрос для проверки?", IconKind::kQuestion, {L"&Yes", L"&No"}, IDNO},
      {kPlainButton, L"Просто текст", IconKind::kNone, {L"OK"}, IDOK},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    PressButton(Control(c.button));
    HWND box = WaitForMessageBox(app_->Id());
    ASSERT_NE(box, nullptr);
    const auto info = ReadMessageBox(box);
    EXPECT_EQ(info.caption, L"Цель");
    EXPECT_EQ(info.text, c.text);
    EXPECT_EQ(info.icon, c.icon);
    EXPECT_EQ(info.buttons, c.buttons);
    ASSERT_TRUE(PressMessageBoxButton(box, c.answer));
    EXPECT_TRUE(StatusBecomes(L"box " + std::to_wstring(c.answer)));
  }
}

TEST_F(DriverTest, MouseHoverAndClickReachTheWindowUnderThePointer) {
  HWND pad = Control(kPad);
  ASSERT_TRUE(MoveMouse(ScreenPoint(pad, {30, 40})));
  EXPECT_TRUE(StatusBecomes(L"hover 30,40"));
  Click(ScreenPoint(pad, {50, 60}));
  EXPECT_TRUE(StatusBecomes(L"click 50,60"));
}

TEST_F(DriverTest, KeysReachAccelerators) {
  ASSERT_TRUE(BringToFront(main_));
  PressKey('L', kCtrl);
  EXPECT_TRUE(StatusBecomes(L"accel ctrl+l"));
  PressKey('K', kAlt);
  EXPECT_TRUE(StatusBecomes(L"accel alt+k"));
}

TEST_F(DriverTest, CloseEndsTheProgramWithItsExitCode) {
  ASSERT_TRUE(app_->Close());
  EXPECT_EQ(app_->ExitCode(), 0u);
}

}  // namespace
}  // namespace uidriver
