// Skins and pictures that are hostile or mistaken: a background that is all magenta or
// too ragged to cut the window to leaves the window whole and alive; a picture above
// the size caps is refused before it is decoded, with the start-up report for a skin
// and in silence for the preview.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <functional>
#include <string>

#include "tests/launcher/fixture_disc.h"
#include "uidriver/uidriver.h"

namespace discfront {
namespace {

using namespace std::chrono_literals;
using testing::FixtureDisc;
using uidriver::Process;

constexpr wchar_t kLauncherWindow[] = L"Korvel Discfront BETA";
constexpr wchar_t kButtonClass[] = L"KorvelDiscfront.ButtonEx";
constexpr int kCmdPic = 103;
constexpr COLORREF kMagenta = RGB(255, 0, 255);

std::string Le(std::uint32_t v, int size) {
  std::string s;
  for (int i = 0; i < size; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  return s;
}

// Writes a 24-bit BMP file, bottom row first; without colours only its 54 header bytes,
// whatever size they promise. A larger `fileBytes` extends the file with zeros.
void WriteBmp(const FixtureDisc& disc, const std::wstring& name, int width, int height,
              const std::function<COLORREF(int x, int y)>& colourOf, std::uint64_t fileBytes = 0) {
  std::string bytes = "BM" + Le(0, 8) + Le(54, 4) + Le(40, 4) + Le(width, 4) + Le(height, 4) + Le(1, 2) + Le(24, 2) +
                      std::string(24, '\0');
  for (int y = height - 1; y >= 0 && colourOf; --y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colourOf(x, y);
      bytes += {static_cast<char>(GetBValue(c)), static_cast<char>(GetGValue(c)), static_cast<char>(GetRValue(c))};
    }
    bytes.resize((bytes.size() - 54 + 3) / 4 * 4 + 54, '\0');
  }
  std::ofstream out(disc.Folder() / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (fileBytes > bytes.size()) {
    out.seekp(static_cast<std::streamoff>(fileBytes - 1));
    out.put('\0');
  }
}

constexpr std::uint64_t kAboveTheByteCap = (std::uint64_t{64} << 20) + 1;

// A description and a catalogue of one entry whose picture is big.bmp.
void WriteData(const FixtureDisc& disc) {
  disc.WriteText(L"info.txt", L"Описание");
  disc.WriteText(L"content.lnc", L"&\\a.exe#Большая картинка$К@\\big.bmp\r\n");
}

TEST(UnusableSkin, AnOutlineThatIsEmptyOrTooRaggedLeavesTheWindowWholeAndAlive) {
  const struct {
    const char* what;
    int width, height;
    std::function<COLORREF(int, int)> colourOf;
  } cases[] = {
      {"all magenta", 40, 30, [](int, int) { return kMagenta; }},
      // About 69 000 rectangles: more than a display server takes in one request.
      {"every seventh pixel magenta", 800, 600,
       [](int x, int y) { return (y * 800 + x) % 7 == 0 ? kMagenta : RGB(30, 60, 90); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FixtureDisc disc(L"disc_outline");
    WriteData(disc);
    WriteBmp(disc, L"skin\\back.bmp", c.width, c.height, c.colourOf);
    Process launcher = Process::Start(disc.Launcher(), {}, uidriver::OwnFolder());
    HWND main = uidriver::WaitForWindow({.className = kLauncherWindow, .processId = launcher.Id()});
    ASSERT_NE(main, nullptr) << "no window";
    EXPECT_TRUE(IsWindowVisible(main));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(main, region), ERROR) << "the window is cut to a region";
    DeleteObject(region);
    const RECT rect = uidriver::ScreenRect(main);
    EXPECT_EQ(rect.right - rect.left, c.width);
    EXPECT_EQ(rect.bottom - rect.top, c.height);
    EXPECT_FALSE(launcher.WaitForExit(1s)) << "the launcher died";
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.WaitForExit());
  }
}

TEST(UnusableSkin, ASkinAboveTheCapsIsReportedByNumberAndFile) {
  const struct {
    const char* what;
    int width, height;
    std::uint64_t fileBytes;
    std::wstring number, description;
  } cases[] = {
      {"a header of 20000 x 20000 pixels", 20000, 20000, 0, L"Ошибка 481", L"Недопустимый рисунок"},
      {"a file above 64 MiB", 4000, 4000, kAboveTheByteCap, L"Ошибка 7", L"Недостаточно памяти"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FixtureDisc disc(L"disc_oversize");
    WriteData(disc);
    WriteBmp(disc, L"skin\\back.bmp", c.width, c.height, {}, c.fileBytes);
    Process launcher = Process::Start(disc.Launcher(), {}, uidriver::OwnFolder());
    HWND box = uidriver::WaitForMessageBox(launcher.Id());
    ASSERT_NE(box, nullptr) << "no report";
    const std::wstring text = uidriver::ReadMessageBox(box).text;
    for (const std::wstring& part : {c.number, c.description, disc.Folder().wstring() + L"\\skin\\back.bmp"}) {
      EXPECT_NE(text.find(part), std::wstring::npos) << ::testing::PrintToString(text);
    }
    ASSERT_TRUE(uidriver::PressMessageBoxButton(box, IDOK));
    EXPECT_TRUE(launcher.WaitForExit());
  }
}

TEST(UnusablePicture, APreviewAboveTheCapsKeepsItsEmptyWindowWithoutAWord) {
  FixtureDisc disc(L"disc_big_picture");
  WriteData(disc);
  WriteBmp(disc, L"big.bmp", 4000, 4000, {}, kAboveTheByteCap);
  Process launcher = Process::Start(disc.Launcher(), {}, uidriver::OwnFolder());
  HWND main = uidriver::WaitForWindow({.className = kLauncherWindow, .processId = launcher.Id()});
  ASSERT_NE(main, nullptr);
  uidriver::SelectListBoxItem(uidriver::FindChild(main, {.className = L"ListBox"}), 0);
  uidriver::BringToFront(main);
  uidriver::ClickWindow(uidriver::FindChild(main, {.className = kButtonClass, .id = kCmdPic}));
  HWND preview = uidriver::WaitForWindow({.title = L"Form2", .processId = launcher.Id()});
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(uidriver::WaitForMessageBox(launcher.Id(), 1s), nullptr);
  const RECT rect = uidriver::ClientScreenRect(preview);
  EXPECT_EQ(rect.right - rect.left, 30);
  EXPECT_EQ(rect.bottom - rect.top, 22);
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(launcher.WaitForExit());
}

}  // namespace
}  // namespace discfront
