// The driver against its target program: every capability is checked on a real window under Wine.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "tests/uidriver/png_reader.h"
#include "uidriver/uidriver.h"

namespace uidriver {
namespace {

using namespace std::chrono_literals;

// Control ids of driver_target.cpp.
enum : int {
  kList = 101, kEdit = 102, kCombo = 103,
  kInfoButton = 104, kStopButton = 105, kWarnButton = 106, kQuestionButton = 107, kPlainButton = 108,
  kPad = 109, kStatus = 110, kFolder = 111, kWorkDir = 112, kOpenButton = 113,
};

constexpr wchar_t kTargetClass[] = L"UiDriverTarget";
constexpr wchar_t kTargetTitle[] = L"Цель драйвера";

std::wstring TargetPath() { return OwnFolder() + L"\\driver_target.exe"; }

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t ch : text) out += ch < 128 ? static_cast<char>(ch) : '?';
  return out;
}

POINT Middle(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

class DriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The pointer waits in a corner, so that no earlier test's pointer position gives the
    // new window mouse moves (which would change its status line).
    ASSERT_TRUE(MoveMouse({GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2}));
    StartTarget(TargetPath());
  }

  void StartTarget(const std::wstring& program, const std::wstring& arguments = {},
                   const std::wstring& workingDir = {}) {
    app_.emplace(Process::Start(program, arguments, workingDir));
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

  std::optional<Process> app_;
  HWND main_ = nullptr;
};

TEST_F(DriverTest, FindsWindowsAndControlsByClassTitleIdAndText) {
  EXPECT_EQ(WaitForWindow({.title = kTargetTitle, .processId = app_->Id()}), main_);
  EXPECT_EQ(FindWindowNow({.className = L"uidrivertarget", .title = kTargetTitle}), main_);
  EXPECT_EQ(WindowText(main_), kTargetTitle);
  EXPECT_EQ(app_->Windows(), std::vector<HWND>{main_});
  EXPECT_EQ(FindWindowNow({.className = kTargetClass, .title = L"Другой заголовок"}), nullptr);
  EXPECT_EQ(WaitForWindow({.className = L"NoSuchWindowClass"}, 200ms), nullptr);

  EXPECT_EQ(FindChild(main_, {.className = L"Button", .text = L"Стоп"}), Control(kStopButton));
  EXPECT_EQ(FindChild(main_, {.id = kCombo}), Control(kCombo));
  EXPECT_EQ(FindChildren(main_, {.className = L"Button"}).size(), 6u);
  EXPECT_EQ(FindChild(main_, {.className = L"Button", .text = L"Нет такой"}), nullptr);
  EXPECT_EQ(ClassName(Control(kList)), L"ListBox");
}

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

TEST_F(DriverTest, ClicksAndDoubleClicksListBoxItemsWithTheMouse) {
  HWND list = Control(kList);
  const RECT item = ListBoxItemRect(list, 2);
  ASSERT_LT(item.top, item.bottom);
  Click(Middle(item));
  EXPECT_TRUE(StatusBecomes(L"selected 2"));
  EXPECT_EQ(ListBoxSelection(list), 2);
  DoubleClick(Middle(ListBoxItemRect(list, 0)));
  EXPECT_TRUE(StatusBecomes(L"double 0"));
  EXPECT_EQ(ListBoxSelection(list), 0);
}

TEST_F(DriverTest, ReadsAndSelectsComboBoxItems) {
  HWND combo = FindChild(main_, {.className = L"ComboBox"});
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(ComboBoxItems(combo), (std::vector<std::wstring>{L"Альфа", L"Бета"}));
  EXPECT_EQ(ComboBoxSelection(combo), -1);
  ASSERT_TRUE(SelectComboBoxItem(combo, 1));
  EXPECT_EQ(ComboBoxSelection(combo), 1);
  EXPECT_TRUE(StatusBecomes(L"combo 1"));
}

TEST_F(DriverTest, ReadsAndSetsEditText) {
  HWND edit = FindChild(main_, {.className = L"Edit"});
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(GetText(edit), L"начало");
  ASSERT_TRUE(SetText(edit, L"Новый текст, с запятой"));
  EXPECT_EQ(GetText(edit), L"Новый текст, с запятой");
}

TEST_F(DriverTest, TypesIntoTheFocusedEdit) {
  HWND edit = Control(kEdit);
  SetText(edit, L"");
  ASSERT_TRUE(BringToFront(main_));
  ClickWindow(edit);
  ASSERT_TRUE(WaitUntil([&] { return GetText(edit).empty(); }));
  TypeText(L"Привет, мир");
  EXPECT_TRUE(WaitUntil([&] { return GetText(edit) == L"Привет, мир"; }, 5s)) << Narrow(GetText(edit));
  PressKey(VK_BACK);
  EXPECT_TRUE(WaitUntil([&] { return GetText(edit) == L"Привет, ми"; }, 5s)) << Narrow(GetText(edit));
}

TEST_F(DriverTest, PostedKeysAndCharactersReachAWindowInTheBackground) {
  HWND edit = Control(kEdit);
  SetText(edit, L"");
  PostText(edit, L"аб");
  PostKey(edit, VK_LEFT);
  PostText(edit, L"Ж");
  EXPECT_TRUE(WaitUntil([&] { return GetText(edit) == L"аЖб"; }, 5s)) << Narrow(GetText(edit));
}

TEST_F(DriverTest, KeysReachAcceleratorsAndMenus) {
  ASSERT_TRUE(BringToFront(main_));
  PressKey('L', kCtrl);
  EXPECT_TRUE(StatusBecomes(L"accel ctrl+l"));
  PressKey('K', kAlt);
  EXPECT_TRUE(StatusBecomes(L"accel alt+k"));
  PressKey('A', kAlt);  // opens the menu "Action" by its mnemonic
  PressKey('M');        // and chooses "Mark"
  EXPECT_TRUE(StatusBecomes(L"menu mark"));
  PressAccessKey(L'П');  // opens "Правка" under a Latin keyboard layout
  TypeText(L"О");        // and chooses "Отметить"
  EXPECT_TRUE(StatusBecomes(L"menu mark ru"));
}

TEST_F(DriverTest, MouseHoverAndClicksReachTheWindowUnderThePointer) {
  HWND pad = Control(kPad);
  ASSERT_TRUE(MoveMouse(ScreenPoint(pad, {30, 40})));
  EXPECT_TRUE(StatusBecomes(L"hover 30,40"));
  Click(ScreenPoint(pad, {50, 60}));
  EXPECT_TRUE(StatusBecomes(L"click 50,60"));
  Click(ScreenPoint(pad, {70, 20}), MouseButton::kRight);
  EXPECT_TRUE(StatusBecomes(L"right 70,20"));
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

TEST_F(DriverTest, FindsOnlyTheMessageBoxesOfTheGivenProcess) {
  Process other = Process::Start(TargetPath());
  ASSERT_NE(WaitForWindow({.className = kTargetClass, .processId = other.Id()}), nullptr);
  PressButton(Control(kInfoButton));
  HWND box = WaitForMessageBox(app_->Id());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WaitForMessageBox(other.Id(), 300ms), nullptr);
  EXPECT_TRUE(PressMessageBoxButton(box));
}

TEST_F(DriverTest, PassesOverDialogsThatAreNotMessageBoxes) {
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

TEST_F(DriverTest, ScreenshotIsAPngOfTheWindowAsShown) {
  const std::wstring path = OwnFolder() + L"\\driver_target.png";
  ASSERT_TRUE(BringToFront(main_));
  ASSERT_TRUE(SaveScreenshot(main_, path));
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  std::string why;
  const auto png = testing::DecodePng(bytes, why);
  ASSERT_TRUE(png) << why;
  const RECT rect = ScreenRect(main_);
  EXPECT_EQ(png->width, rect.right - rect.left);
  EXPECT_EQ(png->height, rect.bottom - rect.top);
  // The pad in the middle of the window is painted in the window colour.
  const POINT pad = CenterOf(Control(kPad));
  const auto at = (static_cast<std::size_t>(pad.y - rect.top) * png->width + (pad.x - rect.left)) * 3;
  const COLORREF expected = GetSysColor(COLOR_WINDOW);
  EXPECT_EQ(RGB(png->rgb[at], png->rgb[at + 1], png->rgb[at + 2]), expected);
}

TEST(DriverProcess, StartsFromItsFolderWhateverTheWorkingDirectory) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::path(OwnFolder()) / L"Папка цели с пробелом";
  fs::create_directories(folder);
  fs::copy_file(TargetPath(), folder / L"driver_target.exe", fs::copy_options::overwrite_existing);

  Process app = Process::Start(folder.wstring() + L"\\driver_target.exe", L"/exit 7", OwnFolder());
  HWND main = WaitForWindow({.className = kTargetClass, .processId = app.Id()});
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(GetText(GetDlgItem(main, kFolder)), folder.wstring());
  EXPECT_EQ(GetText(GetDlgItem(main, kWorkDir)), OwnFolder());
  EXPECT_EQ(app.ExitCode(), std::nullopt);
  ASSERT_TRUE(app.Close());
  EXPECT_EQ(app.ExitCode(), 7u);
  fs::remove_all(folder);
}

TEST(DriverProcess, KillEndsAProgramThatRefusesToClose) {
  Process app = Process::Start(TargetPath(), L"/noclose");
  ASSERT_NE(WaitForWindow({.className = kTargetClass, .processId = app.Id()}), nullptr);
  EXPECT_FALSE(app.Close(300ms));
  EXPECT_TRUE(app.IsRunning());
  app.Kill();
  EXPECT_FALSE(app.IsRunning());
  EXPECT_EQ(app.ExitCode(), 0xDEADu);
  EXPECT_TRUE(app.Windows().empty());
}

TEST(DriverProcess, AProgramLeftRunningEndsWithItsProcessObject) {
  HANDLE watcher = nullptr;
  {
    Process app = Process::Start(TargetPath(), L"/noclose");
    ASSERT_NE(WaitForWindow({.className = kTargetClass, .processId = app.Id()}), nullptr);
    watcher = OpenProcess(SYNCHRONIZE, FALSE, app.Id());
    ASSERT_NE(watcher, nullptr);
  }
  EXPECT_EQ(WaitForSingleObject(watcher, 0), WAIT_OBJECT_0);
  CloseHandle(watcher);
}

TEST(DriverProcess, StartingAMissingProgramThrows) {
  EXPECT_THROW(Process::Start(OwnFolder() + L"\\no_such_program.exe"), std::runtime_error);
}

TEST(DriverProcess, FolderOfKeepsTheBackslashOfADriveRoot) {
  EXPECT_EQ(FolderOf(L"C:\\dir\\prog.exe"), L"C:\\dir");
  EXPECT_EQ(FolderOf(L"Q:\\prog.exe"), L"Q:\\");
  EXPECT_EQ(FolderOf(L"prog.exe"), L"");
}

}  // namespace
}  // namespace uidriver
