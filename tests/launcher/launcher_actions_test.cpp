// The launcher's actions end to end under Wine, through real clicks on its skinned
// buttons: Install and what it starts, the window's shape and dragging, the picture
// preview and the notification icon, every way out, and outlines it cannot cut.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>

#include "tests/launcher/fixture_disc.h"
#include "uidriver/uidriver.h"
#include "win32/handles.h"

namespace discfront {
namespace {

using namespace std::chrono_literals;
using testing::FixtureDisc;
using testing::HasTrayIcon;
using testing::Launcher;

constexpr int kCmdInstal = 102, kCmdPic = 103, kCmdQuit = 105;

// Where the sample program reports how it was started (it reads the variable, which
// the launcher and what it starts inherit from this test).
std::wstring ReportFile() { return uidriver::OwnFolder() + L"\\started.txt"; }

// The sample program's report of how it was started, once written: UTF-8 lines
// "show=", "commandline=" and "folder=".
std::string ReadStartReport() {
  if (!uidriver::WaitUntil([] { return GetFileAttributesW(ReportFile().c_str()) != INVALID_FILE_ATTRIBUTES; })) {
    return {};
  }
  const std::string report(std::istreambuf_iterator<char>(std::ifstream(ReportFile().c_str()).rdbuf()), {});
  DeleteFileW(ReportFile().c_str());
  return report;
}

std::string Utf8(const std::wstring& text) {
  const std::u8string bytes = std::filesystem::path(text).u8string();
  return {bytes.begin(), bytes.end()};
}

// One launcher walks through its kinds of behaviour: the preview, Install, the window's
// shape and dragging, and the notification icon.
TEST(LauncherActions, PreviewInstallShapeAndIcon) {
  SetEnvironmentVariableW(L"DISCFRONT_SAMPLE_REPORT", ReportFile().c_str());
  DeleteFileW(ReportFile().c_str());
  FixtureDisc disc(L"disc_actions");
  disc.WriteData(L"&\\programs\\hello /гость Мария#С параметрами$К@\\pics\\hello.bmp\r\n"
                 L"&\\My Tools\\hello.exe#Папка с пробелом$К@\\skin\\button.bmp\r\n"
                 L"&\\missing.exe#Нет файла$К@none\r\n"
                 L"&\\data.unknown#Не программа$К@None\r\n"
                 L"&\\e.exe#Выше пределов$К@\\big.bmp\r\n"
                 L"&\\arm.exe#Для ARM$К@none\r\n");
  disc.CopyFromSampleDisc(L"pics\\hello.bmp", L"pics\\hello.bmp");
  disc.WriteBmp(L"big.bmp", 4000, 4000, {}, (std::uint64_t{64} << 20) + 1);
  disc.CopyFromSampleDisc(L"programs\\hello.exe", L"programs\\hello.exe");
  disc.CopyFromSampleDisc(L"programs\\hello.exe", L"My Tools\\hello.exe");
  // A planted decoy that an unquoted command line would start instead.
  disc.CopyFromSampleDisc(L"programs\\hello.exe", L"My.exe");
  // The sample program marked as built for ARM64, which this x64 (or x86) system cannot start.
  disc.CopyFromSampleDisc(L"programs\\hello.exe", L"arm.exe");
  {
    std::fstream arm(disc.Folder() / L"arm.exe", std::ios::in | std::ios::out | std::ios::binary);
    char pe[4] = {};
    arm.seekg(0x3C).read(pe, 4);
    arm.seekp(((pe[0] & 0xFF) | (pe[1] & 0xFF) << 8) + 4).write("\x64\xAA", 2);
  }
  // A file of a type nothing opens.
  disc.WriteText(L"data.unknown", L"данные");
  Launcher launcher(disc);
  ASSERT_TRUE(launcher.ok());
  const DWORD id = launcher.process().Id();
  auto sizeIs = [&](HWND preview, int width, int height) {
    return uidriver::WaitUntil([&] {
      const RECT r = uidriver::ScreenRect(preview);
      return r.right - r.left == width && r.bottom - r.top == height;
    }, 5s);
  };
  // Selects `item`, presses `command` and answers the message box that follows; what it said.
  auto messageAfter = [&](int item, int command) -> std::optional<uidriver::MessageBoxInfo> {
    uidriver::SelectListBoxItem(launcher.list(), item);
    launcher.Click(command);
    HWND box = uidriver::WaitForMessageBox(id);
    if (box == nullptr) return std::nullopt;
    uidriver::MessageBoxInfo info = uidriver::ReadMessageBox(box);
    if (!uidriver::PressMessageBoxButton(box)) return std::nullopt;
    return info;
  };

  // Nothing selected, or a picture above the size caps: the small empty window, without
  // a word. Selected without the mouse: a real click here, right after the click that
  // closed the preview, may count as the second click of a double click, which installs.
  for (const int item : {-1, 4}) {
    SCOPED_TRACE(item);
    if (item >= 0) uidriver::SelectListBoxItem(launcher.list(), item);
    launcher.Click(kCmdPic);
    HWND preview = uidriver::WaitForWindow({.title = L"Form2", .processId = id});
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(sizeIs(preview, 30, 22));
    EXPECT_EQ(uidriver::WaitForMessageBox(id, 1s), nullptr);
    uidriver::ClickOnceSteady(preview);
    ASSERT_TRUE(uidriver::WaitForWindowGone(preview));
  }
  {
    SCOPED_TRACE("the preview takes the picture's size, and another one's when it is active again");
    uidriver::SelectListBoxItem(launcher.list(), 0);
    launcher.Click(kCmdPic);
    HWND preview = uidriver::WaitForWindow({.title = L"Form2", .processId = id});
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(sizeIs(preview, 200, 150));
    uidriver::SelectListBoxItem(launcher.list(), 1);
    EXPECT_FALSE(sizeIs(preview, 169, 25));
    uidriver::BringToFront(launcher.main());
    uidriver::BringToFront(preview);
    EXPECT_TRUE(sizeIs(preview, 169, 25));
    uidriver::ClickOnceSteady(preview);
    EXPECT_TRUE(uidriver::WaitForWindowGone(preview));
  }
  const struct {
    int item;
    std::wstring text;
    uidriver::IconKind icon;
    bool previewStays;
  } messages[] = {
      {2, L"Картинка отсутствует", uidriver::IconKind::kNone, false},
      {3, L"Файл не найден", uidriver::IconKind::kError, true},
  };
  for (const auto& m : messages) {
    SCOPED_TRACE(m.item);
    const std::optional<uidriver::MessageBoxInfo> info = messageAfter(m.item, kCmdPic);
    ASSERT_TRUE(info) << "no message, or it could not be answered";
    EXPECT_EQ(info->text, m.text);
    EXPECT_EQ(info->icon, m.icon);
    EXPECT_EQ(info->caption, L"discfront");
    HWND preview = uidriver::FindWindowNow({.title = L"Form2", .processId = id});
    EXPECT_EQ(preview != nullptr, m.previewStays);
    EXPECT_EQ(uidriver::FindWindowNow({.className = L"#32770", .processId = id}), nullptr) << "the message came back";
    if (preview != nullptr) uidriver::ClickWindow(preview);
  }

  {
    SCOPED_TRACE("a click on Install: the program (\".exe\" implied) in its folder with its arguments, minimized");
    uidriver::SelectListBoxItem(launcher.list(), 0);
    launcher.Click(kCmdInstal);
    const std::string report = ReadStartReport();
    const std::string program = Utf8(disc.Folder().wstring() + L"\\programs\\hello.exe");
    for (const std::string& line : {std::string("show=2\n"), program, Utf8(L" /гость Мария\nfolder="),
                                    "folder=" + Utf8(disc.Folder().wstring() + L"\\programs\n")}) {
      EXPECT_NE(report.find(line), std::string::npos) << line << " is not in " << report;
    }
  }
  {
    SCOPED_TRACE("a double click on a title: the file in the folder with a blank, not the decoy");
    uidriver::BringToFront(launcher.main());
    const RECT item = uidriver::ListBoxItemRect(launcher.list(), 1);
    uidriver::DoubleClick({(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    const std::string report = ReadStartReport();
    EXPECT_NE(report.find(Utf8(L"\\My Tools\\hello.exe")), std::string::npos) << report;
  }
  for (HWND w : uidriver::FindWindows({.title = L"Приветствие — пример", .visibleOnly = false})) {
    PostMessageW(w, WM_CLOSE, 0, 0);
  }
  // A start that cannot happen: the stop message, and the launcher carries on.
  const struct {
    int item;
    std::wstring text;
    bool whole;  // else the beginning, followed by the system's reason
  } failures[] = {
      {2, L"Файл не найден.\r\n" + disc.Folder().wstring() + L"\\missing.exe", true},
      {3, L"Не удалось запустить «" + disc.Folder().wstring() + L"\\data.unknown».\r\n\r\nПричина: ", false},
      {5, L"Эта программа работает только в Windows для процессоров ARM.\r\n" + disc.Folder().wstring() + L"\\arm.exe",
       true},
  };
  for (const auto& f : failures) {
    SCOPED_TRACE(f.item);
    const std::optional<uidriver::MessageBoxInfo> info = messageAfter(f.item, kCmdInstal);
    ASSERT_TRUE(info) << "no message, or it could not be answered";
    EXPECT_EQ(info->text.substr(0, f.text.size()), f.text);
    EXPECT_EQ(info->text.size() == f.text.size(), f.whole) << ::testing::PrintToString(info->text);
    EXPECT_EQ(info->caption, L"Korvel Discfront");
    EXPECT_EQ(info->icon, uidriver::IconKind::kError);
    EXPECT_TRUE(launcher.process().IsRunning());
    EXPECT_EQ(uidriver::ListBoxSelection(launcher.list()), f.item);
  }

  // (The outline itself is checked pixel by pixel at each resolution by the scale test.)
  win32::UniqueRegion shown(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(launcher.main(), shown.get()), ERROR);

  // The window follows the mouse from where the system's move loop took it over (a
  // move with the button down), so a left drag on the background moves it some way
  // down and to the right; a right drag leaves it where it is.
  POINT grip = {8, 160};
  while (!PtInRegion(shown.get(), grip.x, grip.y)) ++grip.y;
  for (const auto button : {uidriver::MouseButton::kLeft, uidriver::MouseButton::kRight}) {
    const bool left = button == uidriver::MouseButton::kLeft;
    SCOPED_TRACE(left ? "left drag" : "right drag");
    const RECT before = uidriver::ScreenRect(launcher.main());
    const POINT from = {before.left + grip.x, before.top + grip.y};
    uidriver::BringToFront(launcher.main());
    ASSERT_TRUE(uidriver::MoveMouse(from));
    uidriver::MouseDown(button);
    auto movedOn = [&] {
      const RECT now = uidriver::ScreenRect(launcher.main());
      return now.left > before.left && now.top > before.top;
    };
    // The button stays down until the window has followed, as a hand holds it.
    bool moved = false;
    for (int step = 1; step <= 4 && !moved; ++step) {
      uidriver::MoveMouse({from.x + 10 * step, from.y + 8 * step});
      moved = uidriver::WaitUntil(movedOn, 500ms);
    }
    uidriver::MouseUp(button);
    EXPECT_EQ(moved, left);
  }

  // The notification icon reports a mouse move over it as the window's own right
  // press at height 0: the window comes to the front with the focus.
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 600, 600, 50, 50, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(uidriver::BringToFront(other));
  PostMessageW(launcher.main(), WM_RBUTTONDOWN, reinterpret_cast<WPARAM>(launcher.main()), WM_MOUSEMOVE);
  EXPECT_TRUE(uidriver::WaitUntil([&] { return GetForegroundWindow() == launcher.main(); }));
  DestroyWindow(other);

  // The notification area starts again: the icon comes back.
  NOTIFYICONDATAW data = testing::TrayRecord(launcher.main());
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
  PostMessageW(launcher.main(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(uidriver::WaitUntil([&] { return HasTrayIcon(launcher.main()); }));
}

// A click as a hand gives it, whatever window is active: the pointer rests, the button is held.
void ClickAsAUser(HWND window) {
  uidriver::MoveMouse(uidriver::CenterOf(window));
  Sleep(200);
  uidriver::MouseDown();
  Sleep(150);
  uidriver::MouseUp();
}

// Each way ends the process normally (exit code 0, so no object was used after its
// window's end) and takes the icon away, with the preview open.
TEST(LauncherActions, EveryWayOutEndsCleanlyWithThePreviewOpen) {
  FixtureDisc disc(L"disc_way_out");
  disc.WriteData(L"&\\a.exe#А$К@\\pics\\hello.bmp\r\n");
  disc.CopyFromSampleDisc(L"pics\\hello.bmp", L"pics\\hello.bmp");
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 700, 500, 60, 60, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  const struct {
    const char* way;
    std::function<void(const Launcher& launcher)> end;
  } ways[] = {
      {"Exit, one click, another program's window active",
       [&](const Launcher& launcher) {
         ASSERT_TRUE(uidriver::BringToFront(other));
         ClickAsAUser(launcher.Button(kCmdQuit));
       }},
      {"Alt+F4",
       [](const Launcher& launcher) {
         ASSERT_TRUE(uidriver::BringToFront(launcher.main()));
         uidriver::PressKey(VK_F4, uidriver::kAlt);
       }},
      {"closing from the taskbar",
       [](const Launcher& launcher) { PostMessageW(launcher.main(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"the session ends",
       [](const Launcher& launcher) {
         uidriver::Send(launcher.main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
         uidriver::Send(launcher.main(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
       }},
  };
  for (const auto& w : ways) {
    SCOPED_TRACE(w.way);
    Launcher launcher(disc);
    ASSERT_TRUE(launcher.ok());
    uidriver::SelectListBoxItem(launcher.list(), 0);
    launcher.Click(kCmdPic);
    const HWND preview = uidriver::WaitForWindow({.title = L"Form2", .processId = launcher.process().Id()});
    ASSERT_NE(preview, nullptr);
    ASSERT_TRUE(uidriver::WaitUntil([&] {
      const RECT r = uidriver::ScreenRect(preview);
      return r.right - r.left == 200;
    }));
    ASSERT_TRUE(HasTrayIcon(launcher.main()));
    w.end(launcher);
    EXPECT_TRUE(launcher.process().WaitForExit(5s));
    EXPECT_EQ(launcher.process().ExitCode(), std::optional<DWORD>(0));
    EXPECT_FALSE(HasTrayIcon(launcher.main()));
  }
  DestroyWindow(other);
}

// With CloseAfterStart=yes the menu ends (normally) once Install has started a program,
// and stays when the start fails.
TEST(LauncherActions, ClosesAfterAStartWhenTheDiscAsksOnlyWhenTheStartSucceeded) {
  SetEnvironmentVariableW(L"DISCFRONT_SAMPLE_REPORT", ReportFile().c_str());
  DeleteFileW(ReportFile().c_str());
  FixtureDisc disc(L"disc_close_after_start");
  disc.WriteData(L"&\\missing.exe#Нет файла$К@none\r\n&\\data.unknown#Не программа$К@none\r\n"
                 L"&\\hello.exe#Программа$К@none\r\n");
  disc.CopyFromSampleDisc(L"programs\\hello.exe", L"hello.exe");
  disc.WriteText(L"data.unknown", L"данные");
  disc.WriteText(L"discfront.ini", L"; the menu goes once a program is on its way\r\nCloseAfterStart=yes\r\n");
  Launcher launcher(disc);
  ASSERT_TRUE(launcher.ok());
  for (const int failing : {0, 1}) {
    uidriver::SelectListBoxItem(launcher.list(), failing);
    launcher.Click(kCmdInstal);
    HWND box = uidriver::WaitForMessageBox(launcher.process().Id());
    ASSERT_NE(box, nullptr) << failing;
    ASSERT_TRUE(uidriver::PressMessageBoxButton(box));
    EXPECT_FALSE(launcher.process().WaitForExit(1s)) << failing;
  }
  uidriver::SelectListBoxItem(launcher.list(), 2);
  launcher.Click(kCmdInstal);
  EXPECT_NE(ReadStartReport().find("hello.exe"), std::string::npos);
  EXPECT_TRUE(launcher.process().WaitForExit(10s));
  EXPECT_EQ(launcher.process().ExitCode(), std::optional<DWORD>(0));
  for (HWND w : uidriver::FindWindows({.title = L"Приветствие — пример", .visibleOnly = false})) {
    PostMessageW(w, WM_CLOSE, 0, 0);
  }
}

TEST(LauncherActions, AnOutlineThatIsEmptyOrTooRaggedLeavesTheWindowWholeAndAlive) {
  const struct {
    const char* what;
    int width, height;
    std::function<COLORREF(int, int)> colourOf;
  } cases[] = {
      {"all magenta", 40, 30, [](int, int) { return testing::kMagenta; }},
      // About 69 000 rectangles: more than a display server takes in one request.
      {"every seventh pixel magenta", 800, 600,
       [](int x, int y) { return (y * 800 + x) % 7 == 0 ? testing::kMagenta : RGB(30, 60, 90); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FixtureDisc disc(L"disc_outline");
    disc.WriteData(L"&\\a.exe#А$К@none\r\n");
    disc.WriteBmp(L"skin\\back.bmp", c.width, c.height, c.colourOf);
    Launcher launcher(disc);
    ASSERT_TRUE(launcher.ok());
    EXPECT_TRUE(IsWindowVisible(launcher.main()));
    win32::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(launcher.main(), region.get()), ERROR) << "the window is cut to a region";
    const RECT rect = uidriver::ScreenRect(launcher.main());
    EXPECT_EQ(rect.right - rect.left, c.width);
    EXPECT_EQ(rect.bottom - rect.top, c.height);
    EXPECT_FALSE(launcher.process().WaitForExit(1s)) << "the launcher died";
    EXPECT_TRUE(launcher.process().Close());
  }
}

}  // namespace
}  // namespace discfront
