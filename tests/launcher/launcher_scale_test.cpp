// The launcher in a Wine session of each resolution (DISCFRONT_TEST_DPI; 96 if unset):
// the window is the skin times the scale, cut to the outline of the set that suits the
// scale resampled to that size, with its controls inside, the list's font made for the
// resolution, and the buttons taking clicks where they are drawn.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "base/display_scale.h"
#include "base/twips.h"
#include "tests/launcher/fixture_disc.h"
#include "uidriver/uidriver.h"
#include "win32/handles.h"
#include "win32/picture.h"

namespace discfront {
namespace {

constexpr int kCmdPic = 103, kCommand1 = 104, kCmdQuit = 105;

// The pixels of a skin file of the disc, top row first, as 0x00RRGGBB.
PixelImage SkinPixels(const testing::FixtureDisc& disc, const std::wstring& name) {
  return win32::PixelsOfPicture(*win32::LoadPictureFile(disc.Folder().wstring() + L"\\" + name), 0, 96).value();
}

TEST(LauncherScale, WindowOutlineControlsFontAndClicksFollowTheResolution) {
  const int dpi = uidriver::SessionDpi();
  // The sample disc carries a 2x set, the nearest at or above 1.5x and 2x.
  const std::wstring set = dpi == 96 ? L"skin" : L"skin\\200";
  ASSERT_EQ(GetDeviceCaps(win32::WindowDc(nullptr).get(), LOGPIXELSY), dpi) << "the display is not at that resolution";
  const double scale = dpi / 96.0;

  testing::FixtureDisc disc(L"disc_scale");
  disc.WriteData(L"&\\a.exe#Первая$К@none\r\n&\\b.exe#Вторая$К@none\r\n");
  testing::Launcher launcher(disc);
  ASSERT_TRUE(launcher.ok());
  const HWND main = launcher.main();

  // The window: the 1x skin times the scale.
  const PixelImage base = SkinPixels(disc, L"skin\\back.bmp");
  const RECT window = uidriver::ScreenRect(main);
  const int width = window.right - window.left, height = window.bottom - window.top;
  EXPECT_LE(std::abs(width - base.width * scale), 1.0) << width;
  EXPECT_LE(std::abs(height - base.height * scale), 1.0) << height;

  // The outline: a pixel is inside exactly when the set's pixel nearest its centre is not magenta.
  const PixelImage shape = SkinPixels(disc, set + L"\\back.bmp");
  win32::UniqueRegion shown(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(main, shown.get()), ERROR);
  int wrong = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t nearest = shape.pixels[static_cast<std::size_t>((2 * y + 1) * shape.height / (2 * height)) *
                                                     shape.width + (2 * x + 1) * shape.width / (2 * width)];
      wrong += (PtInRegion(shown.get(), x, y) != FALSE) != (nearest != 0xFF00FF) ? 1 : 0;
    }
  }
  EXPECT_EQ(wrong, 0) << "pixels where the outline and the scaled skin differ";

  // Every control inside the window and inside its outline.
  std::vector<HWND> controls = {launcher.list(), uidriver::FindChild(main, {.className = L"Edit"})};
  for (int id = 102; id <= kCmdQuit; ++id) controls.push_back(launcher.Button(id));
  for (HWND control : controls) {
    ASSERT_NE(control, nullptr);
    RECT r = uidriver::ScreenRect(control);
    OffsetRect(&r, -window.left, -window.top);
    win32::UniqueRegion outside(CreateRectRgnIndirect(&r));
    CombineRgn(outside.get(), outside.get(), shown.get(), RGN_DIFF);
    EXPECT_EQ(GetRgnBox(outside.get(), &r), NULLREGION) << uidriver::ClassName(control) << " leaves the outline";
  }

  // The list's items take the height of its 8.25 pt font at this resolution, with some leading.
  const LRESULT itemHeight = uidriver::Send(launcher.list(), LB_GETITEMHEIGHT, 0, 0);
  EXPECT_TRUE(itemHeight >= FontHeightPixels(8.25, dpi) && itemHeight <= FontHeightPixels(8.25, dpi) * 3 / 2)
      << itemHeight;

  if (dpi == 192) uidriver::SaveScreenshot(main, uidriver::OwnFolder() + L"\\launcher_192dpi.png");

  // Clicks land where the buttons are drawn: About opens its dialog, Exit ends the launcher.
  launcher.Click(kCommand1);
  const HWND about = uidriver::WaitForWindow({.className = L"#32770", .processId = launcher.process().Id()});
  ASSERT_NE(about, nullptr) << "the About button took no click";
  uidriver::PostKey(about, VK_ESCAPE);
  // Hidden before it is gone: the window takes clicks again once the dialog has ended.
  ASSERT_TRUE(uidriver::WaitForWindowGone(about) &&
              uidriver::WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }));
  launcher.Click(kCmdQuit);
  EXPECT_TRUE(launcher.process().WaitForExit()) << "the Exit button took no click";
}

// Tells the launcher its monitor's resolution changed, as the system does: WM_DPICHANGED
// with the rectangle it suggests, which the message carries in the launcher's memory.
void SendDpiChanged(testing::Launcher& launcher, int dpi) {
  const RECT suggested = uidriver::ScreenRect(launcher.main());
  const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, launcher.process().Id());
  ASSERT_NE(process, nullptr);
  void* remote = VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  ASSERT_TRUE(remote && WriteProcessMemory(process, remote, &suggested, sizeof suggested, nullptr));
  // Waited for however long it takes on a busy machine; a message still on its way keeps its memory.
  DWORD_PTR result = 0;
  ASSERT_TRUE(SendMessageTimeoutW(launcher.main(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(remote),
                                  SMTO_ABORTIFHUNG, 60000, &result));
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
}

// What a scale shows of the launcher: its window's size, its list's lines, each button's
// rectangle in the window.
using Look = std::tuple<LONG, LONG, LRESULT, std::vector<std::array<LONG, 4>>>;
Look LookOf(const testing::Launcher& launcher) {
  const RECT w = uidriver::ScreenRect(launcher.main());
  Look look{w.right - w.left, w.bottom - w.top, uidriver::Send(launcher.list(), LB_GETITEMHEIGHT, 0, 0), {}};
  for (int id = 102; id <= kCmdQuit; ++id) {
    const RECT r = uidriver::ScreenRect(launcher.Button(id));
    std::get<3>(look).push_back({r.left - w.left, r.top - w.top, r.right - r.left, r.bottom - r.top});
  }
  return look;
}

// On a change of scale the launcher takes the new one whole, buttons at their designed
// size (skinned, at their skin's, a twip's rounding off it; under high contrast, which
// Wine does not take, exactly), or, when the new scale's skins cannot be read (the disc
// taken out), keeps the old one whole; the preview shows its picture at the scale too.
TEST(LauncherScale, AChangeOfScaleIsTakenWholeOrNotAtAll) {
  const int dpi = uidriver::SessionDpi(), other = dpi == 144 ? 192 : 144;
  testing::FixtureDisc disc(L"disc_scale_change");
  disc.WriteData(L"&\\a.exe#Первая$К@\\pics\\hello.bmp\r\n");
  disc.CopyFromSampleDisc(L"pics\\hello.bmp", L"pics\\hello.bmp");
  testing::Launcher launcher(disc);
  ASSERT_TRUE(launcher.ok());

  // The 200 x 150 picture times the scale.
  uidriver::SelectListBoxItem(launcher.list(), 0);
  launcher.Click(kCmdPic);
  const HWND preview = uidriver::WaitForWindow({.title = L"Form2", .processId = launcher.process().Id()});
  ASSERT_NE(preview, nullptr);
  uidriver::BringToFront(preview);  // it loads its picture once active
  EXPECT_TRUE(uidriver::WaitUntil([&] {
    const RECT r = uidriver::ScreenRect(preview);
    return r.right - r.left == ScaledPixels(200, 100, dpi) && r.bottom - r.top == ScaledPixels(150, 100, dpi);
  })) << "the preview is not at the window's scale";
  uidriver::ClickOnceSteady(preview);
  ASSERT_TRUE(uidriver::WaitForWindowGone(preview));

  SendDpiChanged(launcher, other);
  const Look taken = LookOf(launcher);
  const double perPixel = TwipsPerPixel(other);
  EXPECT_EQ(std::get<0>(taken), ScaledPixels(530, 100, other));
  EXPECT_GE(std::get<2>(taken), FontHeightPixels(8.25, other));
  for (const auto& button : std::get<3>(taken)) {
    EXPECT_NEAR(button[2], TwipsToPixels(2535, perPixel), 1);
    EXPECT_NEAR(button[3], TwipsToPixels(375, perPixel), 1);
  }

  for (const wchar_t* skin : {L"skin\\back.bmp", L"skin\\200\\back.bmp"}) std::filesystem::remove(disc.Folder() / skin);
  SendDpiChanged(launcher, dpi);
  EXPECT_EQ(LookOf(launcher), taken) << "a failed reload changed part of the window";
  EXPECT_TRUE(launcher.process().IsRunning());
}

// A skin within the caps at 1x but past them at the session's scale, or the scale it is
// dragged to: the window is shown whole at the largest scale it fits (here 1x), its font
// with it, rather than not at all.
TEST(LauncherScale, ASkinPastTheCapsAtTheScaleIsShownAtTheLargestScaleItFits) {
  testing::FixtureDisc disc(L"disc_scale_caps");
  disc.WriteData(L"&\\a.exe#Первая$К@none\r\n");
  std::filesystem::remove(disc.Folder() / L"skin\\200\\back.bmp");
  disc.WriteBmp(L"skin\\back.bmp", 16384, 400, [](int, int) { return RGB(0, 0, 128); });
  testing::Launcher launcher(disc);
  ASSERT_TRUE(launcher.ok());
  const Look look = LookOf(launcher);
  EXPECT_EQ(std::get<0>(look), 16384);
  EXPECT_EQ(std::get<1>(look), 400);
  EXPECT_LE(std::get<2>(look), FontHeightPixels(8.25, 96) * 3 / 2);
  SendDpiChanged(launcher, 240);  // dragged onto a monitor of 250 %
  EXPECT_EQ(LookOf(launcher), look);
  EXPECT_TRUE(launcher.process().IsRunning());
}

}  // namespace
}  // namespace discfront
