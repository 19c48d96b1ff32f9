// The launcher's actions end to end under Wine, through real clicks on its skinned
// buttons: Install and what it starts, the window's shape and dragging, the picture
// preview, Exit, and the notification icon.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tests/launcher/fixture_disc.h"
#include "uidriver/uidriver.h"
#include "win32/region_builder.h"

namespace discfront {
namespace {

using namespace std::chrono_literals;
using testing::FixtureDisc;
using uidriver::Process;

constexpr wchar_t kLauncherWindow[] = L"Korvel Discfront BETA";
constexpr wchar_t kButtonClass[] = L"KorvelDiscfront.ButtonEx";
constexpr int kCmdInstal = 102, kCmdPic = 103, kCmdQuit = 105;
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr wchar_t kHelloTitle[] = L"Приветствие — пример";

// Where the sample program reports how it was started (it reads the variable, which
// the launcher and what it starts inherit from this test).
std::wstring ReportFile() { return uidriver::OwnFolder() + L"\\started.txt"; }

struct StartReport {
  std::string show;
  std::string commandLine;  // UTF-8
  std::string folder;       // UTF-8: its working folder
};

// The sample program's report, once it has been written.
bool ReadStartReport(StartReport& report) {
  bool complete = uidriver::WaitUntil([] { return GetFileAttributesW(ReportFile().c_str()) != INVALID_FILE_ATTRIBUTES; });
  if (!complete) return false;
  {
    std::ifstream in(ReportFile().c_str());
    for (std::string line; std::getline(in, line);) {
      if (line.rfind("show=", 0) == 0) report.show = line.substr(5);
      if (line.rfind("commandline=", 0) == 0) report.commandLine = line.substr(12);
      if (line.rfind("folder=", 0) == 0) report.folder = line.substr(7);
    }
  }
  DeleteFileW(ReportFile().c_str());
  return true;
}

std::string Utf8(const std::wstring& text) {
  std::string bytes(static_cast<std::size_t>(text.size() * 3), '\0');
  bytes.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                                            bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                                            nullptr)));
  return bytes;
}

void CloseWindowsTitled(const std::wstring& title) {
  for (HWND w : uidriver::FindWindows({.title = title, .visibleOnly = false})) PostMessageW(w, WM_CLOSE, 0, 0);
}

// The tray icon of a launcher window, asked about from here: the notification area
// accepts a change only for an icon it holds.
NOTIFYICONDATAW TrayRecord(HWND launcherWindow) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = launcherWindow;
  data.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(launcherWindow));
  data.uFlags = NIF_TIP;
  wcscpy_s(data.szTip, L"Korvel Discfront");
  return data;
}
bool HasTrayIcon(HWND launcherWindow) {
  NOTIFYICONDATAW data = TrayRecord(launcherWindow);
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

class Launcher {
 public:
  explicit Launcher(const FixtureDisc& disc) : process_(Process::Start(disc.Launcher(), {}, uidriver::OwnFolder())) {
    main_ = uidriver::WaitForWindow({.className = kLauncherWindow, .processId = process_.Id()});
    if (main_ != nullptr) list_ = uidriver::FindChild(main_, {.className = L"ListBox"});
  }
  bool ok() const { return main_ != nullptr && list_ != nullptr; }
  HWND main() const { return main_; }
  HWND list() const { return list_; }
  Process& process() { return process_; }
  // The real button under the real mouse.
  void Click(int buttonId) const {
    uidriver::BringToFront(main_);
    uidriver::ClickWindow(uidriver::FindChild(main_, {.className = kButtonClass, .id = buttonId}));
  }
  void Select(int item) const { uidriver::Click(ItemCentre(item)); }
  void DoubleClickItem(int item) const { uidriver::DoubleClick(ItemCentre(item)); }

 private:
  POINT ItemCentre(int item) const {
    uidriver::BringToFront(main_);
    const RECT r = uidriver::ListBoxItemRect(list_, item);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  Process process_;
  HWND main_ = nullptr;
  HWND list_ = nullptr;
};

class LauncherActions : public ::testing::Test {
 protected:
  void SetUp() override {
    SetEnvironmentVariableW(L"DISCFRONT_SAMPLE_REPORT", ReportFile().c_str());
    DeleteFileW(ReportFile().c_str());
  }
  void TearDown() override {
    CloseWindowsTitled(kHelloTitle);
    SetEnvironmentVariableW(L"DISCFRONT_SAMPLE_REPORT", nullptr);
  }
};

TEST_F(LauncherActions, InstallStartsTheRightFileWithItsArgumentsMinimizedOrSaysItIsMissing) {
  FixtureDisc disc(L"disc_install");
  disc.WriteText(L"info.txt", L"Описание");
  disc.WriteText(L"content.lnc",
                 L"&\\programs\\hello /гость Мария#С параметрами$К@none\r\n"
                 L"&\\My Tools\\hello.exe#Папка с пробелом$К@none\r\n"
                 L"&\\missing.exe#Нет файла$К@none\r\n"
                 L"&\\data.unknown#Не программа$К@none\r\n");
  disc.CopyFromSampleDisc(L"programs\\hello.exe", L"programs\\hello.exe");
  disc.CopyFromSampleDisc(L"programs\\hello.exe", L"My Tools\\hello.exe");
  // A planted decoy that an unquoted command line would start instead.
  disc.CopyFromSampleDisc(L"programs\\hello.exe", L"My.exe");
  // A file of a type nothing opens.
  disc.WriteText(L"data.unknown", L"данные");
  Launcher launcher(disc);
  ASSERT_TRUE(launcher.ok());

  {
    SCOPED_TRACE("a click on Install: the program (\".exe\" implied) in its folder with its arguments, minimized");
    launcher.Select(0);
    launcher.Click(kCmdInstal);
    StartReport report;
    ASSERT_TRUE(ReadStartReport(report));
    EXPECT_EQ(report.show, "2");
    const std::string program = Utf8(disc.Folder().wstring() + L"\\programs\\hello.exe");
    EXPECT_NE(report.commandLine.find(program), std::string::npos) << report.commandLine;
    EXPECT_TRUE(report.commandLine.ends_with(Utf8(L" /гость Мария"))) << report.commandLine;
    EXPECT_EQ(report.folder, Utf8(disc.Folder().wstring() + L"\\programs"));
  }
  {
    SCOPED_TRACE("a double click on a title: the file in the folder with a blank, not the decoy");
    launcher.DoubleClickItem(1);
    StartReport report;
    ASSERT_TRUE(ReadStartReport(report));
    EXPECT_NE(report.commandLine.find(Utf8(L"\\My Tools\\hello.exe")), std::string::npos) << report.commandLine;
  }
  // A start that cannot happen: the stop message, and the launcher carries on.
  const std::wstring unstartable = disc.Folder().wstring() + L"\\data.unknown";
  const struct {
    int item;
    std::wstring text;
    bool whole;  // else the beginning, followed by the system's reason
  } failures[] = {
      {2, L"Файл не найден.\r\n" + disc.Folder().wstring() + L"\\missing.exe", true},
      {3, L"Не удалось запустить «" + unstartable + L"».\r\n\r\nПричина: ", false},
  };
  for (const auto& f : failures) {
    SCOPED_TRACE(f.item);
    launcher.Select(f.item);
    launcher.Click(kCmdInstal);
    HWND box = uidriver::WaitForMessageBox(launcher.process().Id());
    ASSERT_NE(box, nullptr);
    const auto info = uidriver::ReadMessageBox(box);
    EXPECT_EQ(info.text.substr(0, f.text.size()), f.text);
    EXPECT_EQ(info.text.size() == f.text.size(), f.whole) << ::testing::PrintToString(info.text);
    EXPECT_EQ(info.caption, L"Korvel Discfront");
    EXPECT_EQ(info.icon, uidriver::IconKind::kError);
    ASSERT_TRUE(uidriver::PressMessageBoxButton(box));
    EXPECT_TRUE(launcher.process().IsRunning());
    EXPECT_EQ(uidriver::ListBoxSelection(launcher.list()), f.item);
  }
}

TEST_F(LauncherActions, InstallOpensADocumentInItsAssociatedProgram) {
  // The test prefix knows the text file type (Wine's notepad) but not the extension,
  // so the test makes the association in the prefix and takes it away again.
  ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, L".txt", nullptr, REG_SZ, L"txtfile",
                            sizeof(L"txtfile")),
            ERROR_SUCCESS);
  struct Unassociate {
    ~Unassociate() { RegDeleteTreeW(HKEY_CLASSES_ROOT, L".txt"); }
  } unassociate;
  FixtureDisc disc(L"disc_document");
  disc.WriteText(L"info.txt", L"Описание");
  disc.WriteText(L"content.lnc", L"&\\readme.txt#Прочтите$К@none\r\n");
  disc.WriteText(L"readme.txt", L"Korvel Discfront readme");
  Launcher launcher(disc);
  ASSERT_TRUE(launcher.ok());
  launcher.Select(0);
  launcher.Click(kCmdInstal);
  HWND editor = uidriver::WaitForWindow({.className = L"Notepad", .visibleOnly = false});
  ASSERT_NE(editor, nullptr) << "no window of the program associated with .txt appeared";
  EXPECT_NE(uidriver::WindowText(editor).find(L"readme"), std::wstring::npos) << uidriver::WindowText(editor);
  PostMessageW(editor, WM_CLOSE, 0, 0);
  EXPECT_TRUE(uidriver::WaitForWindowGone(editor));
}

// A pixel of back.bmp that is not magenta at column x, searching down from row y.
POINT OpaquePixel(HDC skin, int x, int y) {
  while (GetPixel(skin, x, y) == kMagenta) ++y;
  return {x, y};
}

TEST_F(LauncherActions, TheWindowIsCutToItsSkinAndMovesOnlyWithALeftDrag) {
  FixtureDisc disc(L"disc_shape");
  disc.WriteText(L"info.txt", L"Описание");
  disc.WriteText(L"content.lnc", L"&\\a.exe#А$К@none\r\n");
  Launcher launcher(disc);
  ASSERT_TRUE(launcher.ok());

  const std::wstring backFile = disc.Folder().wstring() + L"\\skin\\back.bmp";
  auto back = static_cast<HBITMAP>(LoadImageW(nullptr, backFile.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  ASSERT_NE(back, nullptr);
  win32::UniqueRegion expected = win32::BuildRegionFromBitmap(back, kMagenta);
  win32::UniqueRegion shown(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(launcher.main(), shown.get()), ERROR);
  EXPECT_TRUE(EqualRgn(expected.get(), shown.get())) << "the window's region is not the one built from back.bmp";

  HDC skin = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(skin, back);
  ASSERT_EQ(GetPixel(skin, 0, 0), kMagenta);
  const POINT background = OpaquePixel(skin, 8, 160);
  SelectObject(skin, old);
  DeleteDC(skin);
  DeleteObject(back);

  RECT before = uidriver::ScreenRect(launcher.main());
  EXPECT_NE(WindowFromPoint({before.left, before.top}), launcher.main()) << "a magenta pixel belongs to the window";
  const POINT grip = {before.left + background.x, before.top + background.y};
  ASSERT_EQ(WindowFromPoint(grip), launcher.main());

  // The window follows the mouse from where the system's move loop took it over (a
  // move with the button down), so a left drag moves it some way down and to the
  // right; a right drag leaves it where it is.
  for (const auto button : {uidriver::MouseButton::kLeft, uidriver::MouseButton::kRight}) {
    const bool left = button == uidriver::MouseButton::kLeft;
    SCOPED_TRACE(left ? "left drag" : "right drag");
    before = uidriver::ScreenRect(launcher.main());
    const POINT from = {before.left + background.x, before.top + background.y};
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
}

TEST_F(LauncherActions, PreviewTakesThePictureSizeReloadsOnReturnAndExitEndsWithItOpen) {
  FixtureDisc disc(L"disc_preview");
  disc.WriteText(L"info.txt", L"Описание");
  disc.WriteText(L"content.lnc",
                 L"&\\a.exe#Большая$К@\\pics\\hello.bmp\r\n"
                 L"&\\b.exe#Узкая$К@\\skin\\button.bmp\r\n"
                 L"&\\c.exe#Без картинки$К@none\r\n"
                 L"&\\d.exe#Не none$К@None\r\n");
  disc.CopyFromSampleDisc(L"pics\\hello.bmp", L"pics\\hello.bmp");
  Launcher launcher(disc);
  ASSERT_TRUE(launcher.ok());
  EXPECT_TRUE(HasTrayIcon(launcher.main())) << "no notification icon while the launcher runs";
  const DWORD id = launcher.process().Id();
  auto previewSize = [&](HWND preview) {
    const RECT r = uidriver::ScreenRect(preview);
    return SIZE{r.right - r.left, r.bottom - r.top};
  };
  auto sizeIs = [&](HWND preview, int width, int height) {
    return uidriver::WaitUntil([&] {
      const SIZE s = previewSize(preview);
      return s.cx == width && s.cy == height;
    }, 5s);
  };

  // Nothing selected: the small empty window, without a word.
  launcher.Click(kCmdPic);
  HWND preview = uidriver::WaitForWindow({.title = L"Form2", .processId = id});
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(sizeIs(preview, 30, 22));
  EXPECT_EQ(uidriver::WaitForMessageBox(id, 500ms), nullptr);
  uidriver::ClickWindow(preview);
  ASSERT_TRUE(uidriver::WaitForWindowGone(preview)) << "a click does not close the preview";

  // Selected without the mouse: a real click here, right after the click that closed
  // the preview, may count as the second click of a double click, which installs.
  uidriver::SelectListBoxItem(launcher.list(), 0);
  launcher.Click(kCmdPic);
  preview = uidriver::WaitForWindow({.title = L"Form2", .processId = id});
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(sizeIs(preview, 200, 150));

  // Another selection changes nothing until the preview is active again.
  uidriver::SelectListBoxItem(launcher.list(), 1);
  EXPECT_FALSE(sizeIs(preview, 169, 25));
  uidriver::BringToFront(launcher.main());
  uidriver::BringToFront(preview);
  EXPECT_TRUE(sizeIs(preview, 169, 25)) << previewSize(preview).cx << "x" << previewSize(preview).cy;

  uidriver::ClickWindow(preview);
  EXPECT_TRUE(uidriver::WaitForWindowGone(preview));

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
    uidriver::SelectListBoxItem(launcher.list(), m.item);
    launcher.Click(kCmdPic);
    HWND box = uidriver::WaitForMessageBox(id);
    ASSERT_NE(box, nullptr);
    const auto info = uidriver::ReadMessageBox(box);
    EXPECT_EQ(info.text, m.text);
    EXPECT_EQ(info.icon, m.icon);
    EXPECT_EQ(info.caption, L"discfront");
    ASSERT_TRUE(uidriver::PressMessageBoxButton(box));
    preview = uidriver::FindWindowNow({.title = L"Form2", .processId = id});
    EXPECT_EQ(preview != nullptr, m.previewStays);
    EXPECT_EQ(uidriver::FindWindowNow({.className = L"#32770", .processId = id}), nullptr) << "the message came back";
  }

  {
    SCOPED_TRACE("the notification area starts again: the icon comes back");
    NOTIFYICONDATAW data = TrayRecord(launcher.main());
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
    PostMessageW(launcher.main(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(uidriver::WaitUntil([&] { return HasTrayIcon(launcher.main()); }));
  }

  ASSERT_NE(preview, nullptr);
  launcher.Click(kCmdQuit);
  EXPECT_TRUE(launcher.process().WaitForExit()) << "Exit did not end the launcher with the preview open";
  EXPECT_EQ(launcher.process().ExitCode(), std::optional<DWORD>(0));
  EXPECT_FALSE(HasTrayIcon(launcher.main())) << "the notification icon was left behind";
}

TEST_F(LauncherActions, ALoadFailureAfterTheIconNamesTheSkinFile) {
  FixtureDisc disc(L"disc_noback");
  disc.WriteText(L"info.txt", L"Описание");
  disc.WriteText(L"content.lnc", L"&\\a.exe#А$К@none\r\n");
  disc.Remove(L"skin\\back.bmp");
  Process launcher = Process::Start(disc.Launcher(), {}, uidriver::OwnFolder());
  HWND box = uidriver::WaitForMessageBox(launcher.Id());
  ASSERT_NE(box, nullptr);
  const std::wstring text = uidriver::ReadMessageBox(box).text;
  EXPECT_NE(text.find(L"Ошибка 53"), std::wstring::npos) << ::testing::PrintToString(text);
  EXPECT_NE(text.find(L"skin\\back.bmp"), std::wstring::npos) << ::testing::PrintToString(text);
  HWND main = uidriver::FindWindowNow({.className = kLauncherWindow, .processId = launcher.Id(), .visibleOnly = false});
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(HasTrayIcon(main)) << "the icon comes before the window's shape";
  ASSERT_TRUE(uidriver::PressMessageBoxButton(box));
  EXPECT_TRUE(launcher.WaitForExit());
}

}  // namespace
}  // namespace discfront
