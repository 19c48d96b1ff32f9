// The launcher for users of screen readers and of the keyboard, under Wine: what an
// accessibility client reads of each control and what its default actions do, and the
// keyboard doing what the mouse does.
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "tests/launcher/fixture_disc.h"
#include "uidriver/uidriver.h"

namespace discfront {
namespace {

using namespace std::chrono_literals;
using testing::FixtureDisc;
using testing::Launcher;
using uidriver::ReadAccessible;

enum Id : int { kList = 100, kAboutProg, kCmdInstal, kCmdPic, kCommand1, kCmdQuit };

std::wstring ReportFile() { return uidriver::OwnFolder() + L"\\a11y_started.txt"; }

void MakeDisc(const FixtureDisc& disc) {
  disc.WriteData(L"&\\programs\\hello.exe#Привет$К@\\pics\\hello.bmp\r\n&\\b.exe#Второй$К@none\r\n");
  disc.CopyFromSampleDisc(L"pics\\hello.bmp", L"pics\\hello.bmp");
  disc.CopyFromSampleDisc(L"programs\\hello.exe", L"programs\\hello.exe");
}

HWND Control(const Launcher& launcher, int id) { return uidriver::FindChild(launcher.main(), {.id = id}); }

// The windows whose state the launcher told clients had changed (EVENT_OBJECT_STATECHANGE),
// as the out-of-context events reach this thread's messages.
std::vector<HWND> g_stateChanged;
void CALLBACK OnStateChange(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT && child == CHILDID_SELF) g_stateChanged.push_back(hwnd);
}
bool StateChangeReported(HWND button) {
  return uidriver::WaitUntil([&] {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    return std::find(g_stateChanged.begin(), g_stateChanged.end(), button) != g_stateChanged.end();
  });
}

TEST(LauncherAccessibility, EveryControlReadsAsWhatItIsAndDefaultActionsWork) {
  FixtureDisc disc(L"disc_a11y_client");
  MakeDisc(disc);
  Launcher launcher(disc);
  ASSERT_TRUE(launcher.ok());
  const struct {
    int id;
    long role;
    std::wstring name, shortcut;
  } controls[] = {{kList, ROLE_SYSTEM_LIST, L"Программы", L""},
                  {kAboutProg, ROLE_SYSTEM_TEXT, L"Описание", L""},
                  {kCmdInstal, ROLE_SYSTEM_PUSHBUTTON, L"Установить", L"Alt+У"},
                  {kCmdPic, ROLE_SYSTEM_PUSHBUTTON, L"Картинка", L"Alt+К"},
                  {kCommand1, ROLE_SYSTEM_PUSHBUTTON, L"О программе", L"Alt+О"},
                  {kCmdQuit, ROLE_SYSTEM_PUSHBUTTON, L"Выход", L"Alt+В"}};
  for (const auto& c : controls) {
    const uidriver::AccessibleReading r = ReadAccessible(Control(launcher, c.id));
    EXPECT_EQ(std::tie(r.role, r.name, r.shortcut), std::tie(c.role, c.name, c.shortcut));
    if (c.role != ROLE_SYSTEM_PUSHBUTTON) continue;
    EXPECT_EQ(r.defaultAction, L"Нажать");
    EXPECT_EQ(r.state & (STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_PRESSED),
              static_cast<unsigned long>(STATE_SYSTEM_FOCUSABLE));
  }

  uidriver::SelectListBoxItem(launcher.list(), 0);
  ASSERT_TRUE(uidriver::DoDefaultAction(launcher.Button(kCmdPic)));
  HWND preview = uidriver::WaitForWindow({.title = L"Form2", .processId = launcher.process().Id()});
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(uidriver::WaitUntil([&] { return ReadAccessible(preview).name == L"Привет"; }))
      << "the preview is named by its entry's title";
  ASSERT_TRUE(uidriver::DoDefaultAction(launcher.Button(kCmdQuit)));
  EXPECT_TRUE(launcher.process().WaitForExit());
}

// Pixels of the button that differ between its focused and its unfocused look: all on
// the focus rectangle's outline (4 pixels in), and some there.
void ExpectFocusOutlineOnly(const uidriver::Image& focused, const uidriver::Image& unfocused) {
  ASSERT_EQ(focused.width, unfocused.width);
  const int w = focused.width, h = focused.height;
  int onOutline = 0, elsewhere = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (focused.Pixel(x, y) == unfocused.Pixel(x, y)) continue;
      const bool outline =
          ((x == 4 || x == w - 5) && y >= 4 && y <= h - 5) || ((y == 4 || y == h - 5) && x >= 4 && x <= w - 5);
      ++(outline ? onOutline : elsewhere);
    }
  }
  EXPECT_GT(onOutline, w / 2) << "a dotted outline";
  EXPECT_EQ(elsewhere, 0);
}

TEST(LauncherKeyboard, TabOrderSpaceEnterEscapeAndTheFocusRectangle) {
  SetEnvironmentVariableW(L"DISCFRONT_SAMPLE_REPORT", ReportFile().c_str());
  DeleteFileW(ReportFile().c_str());
  FixtureDisc disc(L"disc_a11y_keys");
  MakeDisc(disc);
  Launcher launcher(disc);
  ASSERT_TRUE(launcher.ok());
  const DWORD id = launcher.process().Id();
  auto focused = [&](int control, uidriver::Milliseconds timeout = uidriver::kDefaultTimeout) {
    return uidriver::WaitUntil([&] { return uidriver::FocusOf(launcher.main()) == Control(launcher, control); },
                               timeout);
  };
  auto tabTo = [&](int control, unsigned modifiers = 0) {
    uidriver::PressKey(VK_TAB, modifiers);
    return focused(control);
  };
  // Round the window until the control has the focus (the window keeps none of its own
  // when it comes back from the preview).
  auto tabUntil = [&](int control) {
    for (int i = 0; i < 8 && !focused(control, 300ms); ++i) uidriver::PressKey(VK_TAB);
    return focused(control, 300ms);
  };
  const uidriver::Image picUnfocused = uidriver::CaptureWindow(launcher.Button(kCmdPic));
  uidriver::BringToFront(launcher.main());
  uidriver::Click(uidriver::CenterOf(launcher.list()));  // into the list
  ASSERT_TRUE(focused(kList));
  const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_STATECHANGE, nullptr,
                                             OnStateChange, id, 0, WINEVENT_OUTOFCONTEXT);
  for (const int control : {kAboutProg, kCmdInstal, kCmdPic, kCommand1, kCmdQuit, kList}) {
    EXPECT_TRUE(tabTo(control)) << control;
  }
  for (const int button : {kCmdInstal, kCmdPic, kCommand1, kCmdQuit}) {
    EXPECT_TRUE(StateChangeReported(Control(launcher, button))) << "a screen reader hears the focus come and go";
  }
  UnhookWinEvent(hook);
  for (const int control : {kCmdQuit, kCommand1, kCmdPic}) EXPECT_TRUE(tabTo(control, uidriver::kShift)) << control;

  EXPECT_TRUE(ReadAccessible(launcher.Button(kCmdPic)).state & STATE_SYSTEM_FOCUSED);
  ExpectFocusOutlineOnly(uidriver::CaptureWindow(launcher.Button(kCmdPic)), picUnfocused);
  for (const WORD key : {VK_SPACE, VK_RETURN}) {
    SCOPED_TRACE(key);
    uidriver::BringToFront(launcher.main());
    ASSERT_TRUE(tabUntil(kCmdPic));
    uidriver::PressKey(key);
    HWND preview = uidriver::WaitForWindow({.title = L"Form2", .processId = id});
    ASSERT_NE(preview, nullptr) << "the key clicks the focused button";
    ASSERT_TRUE(uidriver::BringToFront(preview));
    uidriver::PressKey(VK_ESCAPE);
    EXPECT_TRUE(uidriver::WaitForWindowGone(preview)) << "Esc closes the preview";
  }

  uidriver::BringToFront(launcher.main());
  uidriver::Click(uidriver::CenterOf(launcher.list()));
  ASSERT_TRUE(focused(kList));
  uidriver::SelectListBoxItem(launcher.list(), 0);
  uidriver::PressKey(VK_RETURN);
  EXPECT_TRUE(uidriver::WaitUntil([] { return GetFileAttributesW(ReportFile().c_str()) != INVALID_FILE_ATTRIBUTES; }))
      << "Enter on a list item installs it";
}

}  // namespace
}  // namespace discfront
