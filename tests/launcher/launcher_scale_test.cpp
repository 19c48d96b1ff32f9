// The launcher in a Wine session of each resolution (DISCFRONT_TEST_DPI; 96 if unset):
// the window is the skin times the scale, cut to the outline of the set that suits the
// scale resampled to that size, with its controls inside, the list's font made for the
// resolution, and the buttons taking clicks where they are drawn.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/twips.h"
#include "tests/launcher/fixture_disc.h"
#include "uidriver/uidriver.h"
#include "win32/handles.h"
#include "win32/picture.h"

namespace discfront {
namespace {

constexpr int kCommand1 = 104, kCmdQuit = 105;

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

}  // namespace
}  // namespace discfront
