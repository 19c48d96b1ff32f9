// The launcher's About dialog end to end under Wine, through real windows and a real pointer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "about/about_dialog.h"
#include "about/about_texts.h"
#include "about/sysinfo_lookup.h"
#include "tests/launcher/fixture_disc.h"
#include "uidriver/uidriver.h"

namespace discfront::about {
namespace {

namespace fs = std::filesystem;
using testing::FixtureDisc;

// The command id of the launcher (named here, so that a renumbering shows).
constexpr int kCommand1 = 104;  // the launcher's About button
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr wchar_t kLauncherTitle[] = L"Korvel Discfront";  // the tests run in a Russian environment

// Opens the launcher's About dialog from its button.
HWND ShowLauncherAbout(testing::Launcher& launcher) {
  launcher.Click(kCommand1);
  return uidriver::WaitForWindow({.className = L"#32770", .title = kLauncherTitle, .processId = launcher.process().Id()});
}

int CountColour(HWND window, COLORREF colour) {
  const uidriver::Image image = uidriver::CaptureWindow(window);
  int count = 0;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) count += image.Pixel(x, y) == colour ? 1 : 0;
  }
  return count;
}

bool ShowsRed(HWND link) { return CountColour(link, kRed) > 0; }
bool ShowsBlack(HWND link) { return CountColour(link, kBlack) > 0 && !ShowsRed(link); }

// A point of the dialog's background: right of the texts, above the buttons.
POINT Background(HWND dialog) { return uidriver::ScreenPoint(dialog, {340, 60}); }

// Drags the launcher's dialog from a background point by (dx, dy) pixels with the left
// button held, and waits until it is at `expected` before the release.
// Returns the dialog's outer rectangle once the web link shows the pointer came over it:
// mouse input is handled in order, so the drag's moves and releases are behind.
// A move goes to the window under the pointer unless one has captured the mouse, so
// the drag's move waits until the dialog has taken the press (and with it the mouse).
// Under Wine the display can echo an earlier pointer move late, putting the pointer
// back where it was; while the button is held the pointer is put right again.
HWND CaptureOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndCapture : nullptr;
}

RECT DragLeft(HWND dialog, int dx, int dy, POINT expected) {
  HWND web = GetDlgItem(dialog, kIdWebLink);
  const POINT from = Background(dialog);
  uidriver::MoveMouse(from);
  EXPECT_TRUE(uidriver::WaitUntil([&] { return ShowsBlack(web); })) << "the pointer is not over the background";
  uidriver::MouseDown();
  EXPECT_TRUE(uidriver::WaitUntil([&] { return CaptureOf(dialog) == dialog; })) << "the press did not reach the dialog";
  const POINT to{from.x + dx, from.y + dy};
  uidriver::MoveMouse(to);
  EXPECT_TRUE(uidriver::WaitUntil([&] {
    POINT now{};
    GetCursorPos(&now);
    if (now.x != to.x || now.y != to.y) uidriver::MoveMouse(to);
    const RECT r = uidriver::ScreenRect(dialog);
    return r.left == expected.x && r.top == expected.y;
  })) << "expected at " << expected.x << ", " << expected.y;
  uidriver::MouseUp();
  EXPECT_TRUE(uidriver::WaitUntil([&] {
    uidriver::MoveMouse(uidriver::CenterOf(web));
    return ShowsRed(web);
  }));
  return uidriver::ScreenRect(dialog);
}

// One text value under HKEY_LOCAL_MACHINE, set or removed for a test; what was there
// before is put back at the end.
class MachineValue {
 public:
  MachineValue(std::wstring key, std::wstring name) : key_(std::move(key)), name_(std::move(name)) {
    wchar_t text[1024] = {};
    DWORD size = sizeof(text);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key_.c_str(), name_.c_str(), RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                     &type_, text, &size) == ERROR_SUCCESS) {
      saved_ = text;
    }
  }
  ~MachineValue() { saved_ ? Set(*saved_, type_) : Remove(); }
  MachineValue(const MachineValue&) = delete;
  MachineValue& operator=(const MachineValue&) = delete;

  void Set(const std::wstring& text, DWORD type = REG_SZ) const {
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, key_.c_str(), name_.c_str(), type, text.c_str(),
                              static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
  }
  void Remove() const { RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, key_.c_str(), name_.c_str()); }

 private:
  std::wstring key_, name_;
  std::optional<std::wstring> saved_;
  DWORD type_ = REG_SZ;
};

std::optional<std::string> Report(const fs::path& program) {
  std::ifstream in(fs::path(program.wstring() + L".ran"));
  if (!in) return std::nullopt;
  std::string text;
  std::getline(in, text);
  return text;
}

// Presses Info and waits until `program` reports that it ran; its show state, or nothing.
std::optional<std::string> InfoStarts(HWND dialog, const fs::path& program) {
  fs::remove(program.wstring() + L".ran");
  uidriver::PressButton(GetDlgItem(dialog, kIdSysInfo));
  uidriver::WaitUntil([&] { return Report(program).has_value(); });
  return Report(program);
}

// One launcher walks the kinds of behaviour: opening over a blocked owner, the drag with
// edge snapping, the system information tool started by its quoted path, closing by Esc.
// Where exactly each edge snaps and the other places the tool is looked for are the
// snapping's and the lookup's own tables.
TEST(AboutDialog, OpensDragsStartsTheInfoToolAndClosesByEsc) {
  // The stand-in tool in a folder whose name holds a blank, and a planted program that
  // an unquoted start of that path would run instead ("...\Shared" + ".exe").
  const fs::path own = uidriver::OwnFolder();
  const fs::path folder = own / L"Shared Tools";
  const fs::path tool = folder / L"MSINFO32.EXE";
  const fs::path planted = own / L"Shared.exe";
  fs::create_directories(folder);
  for (const fs::path& copy : {tool, planted}) {
    ASSERT_TRUE(CopyFileW((own / L"sysinfo_probe.exe").c_str(), copy.c_str(), FALSE));
    fs::remove(copy.wstring() + L".ran");
  }
  const MachineValue path(kMsinfoKey, kMsinfoPathValue);
  const MachineValue location(kToolsLocationKey, kToolsLocationValue);
  path.Set(tool.wstring());
  location.Remove();

  FixtureDisc disc(L"about_disc");
  disc.WriteData(L"&\\a.exe#Первая$Одна@none\r\n");
  testing::Launcher launcher(disc);
  ASSERT_TRUE(launcher.ok());
  HWND owner = launcher.main();
  HWND dialog = ShowLauncherAbout(launcher);
  ASSERT_NE(dialog, nullptr) << "the About button opened no dialog";
  {
    SCOPED_TRACE("opens over a blocked owner");
    EXPECT_EQ(uidriver::WindowText(dialog), kLauncherTitle);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
    EXPECT_FALSE(IsWindowEnabled(owner));
    const RECT inside = uidriver::ClientScreenRect(dialog);
    EXPECT_EQ(inside.left, 156);
    EXPECT_EQ(inside.top, 129);
    EXPECT_EQ(inside.right - inside.left, 382);
    EXPECT_EQ(inside.bottom - inside.top, 240);
    EXPECT_EQ(uidriver::WindowText(GetDlgItem(dialog, kIdHeading)), L"Korvel Discfront v1.0");
    EXPECT_EQ(uidriver::WindowText(GetDlgItem(dialog, kIdSysInfo)), L"&Инфа...");
    EXPECT_EQ(uidriver::WindowText(GetDlgItem(dialog, kIdWebLink)), kWebAddress);
    EXPECT_TRUE(uidriver::SaveScreenshot(dialog, uidriver::OwnFolder() + L"\\about_launcher.png"));
  }
  {
    SCOPED_TRACE("a left drag 10 pixels from the left snaps, and the height follows exactly");
    const RECT start = uidriver::ScreenRect(dialog);
    const POINT expected{0, start.top + 30};
    const RECT r = DragLeft(dialog, 10 - start.left, 30, expected);
    EXPECT_EQ(r.left, expected.x);
    EXPECT_EQ(r.top, expected.y);
  }
  {
    SCOPED_TRACE("Info starts the tool the registry names, quoted");
    EXPECT_EQ(InfoStarts(dialog, tool), "1") << "from PATH, in a normal focused window";
    EXPECT_FALSE(Report(planted).has_value()) << "the path was started unquoted";
  }
  // Esc closes, and the owner is free again.
  ASSERT_TRUE(uidriver::BringToFront(dialog));
  uidriver::PressKey(VK_ESCAPE);
  EXPECT_TRUE(uidriver::WaitForWindowGone(dialog));
  EXPECT_TRUE(uidriver::WaitUntil([&] { return IsWindowEnabled(owner) != FALSE; }));
}

}  // namespace
}  // namespace discfront::about
