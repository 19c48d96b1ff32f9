// The editor at the display's resolution, run once in a Wine session per resolution
// (DISCFRONT_TEST_DPI names it; 96 when unset): its client area is the designed one at
// that scale, and every control lies inside it without covering another.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "tests/editor/frontsmith_driver.h"

namespace frontsmith_test {
namespace {

TEST(FrontsmithScale, ControlsFitTheScaledWindowWithoutOverlapping) {
  const char* value = std::getenv("DISCFRONT_TEST_DPI");
  const int dpi = value != nullptr ? std::atoi(value) : 96;
  Frontsmith editor;
  RECT client{};
  GetClientRect(editor.main(), &client);
  // 4170 x 6600 twips designed: 278 x 440 pixels at 96 dpi.
  EXPECT_LE(std::abs(client.right - 278.0 * dpi / 96), 1.0) << client.right;
  EXPECT_LE(std::abs(client.bottom - 440.0 * dpi / 96), 1.0) << client.bottom;

  std::vector<RECT> placed;
  for (HWND child = GetWindow(editor.main(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT r = uidriver::ScreenRect(child);
    MapWindowPoints(HWND_DESKTOP, editor.main(), reinterpret_cast<POINT*>(&r), 2);
    RECT inside{};
    EXPECT_TRUE(IntersectRect(&inside, &r, &client) && EqualRect(&inside, &r))
        << "control " << GetDlgCtrlID(child) << " leaves the window";
    for (const RECT& other : placed) {
      RECT both{};
      EXPECT_FALSE(IntersectRect(&both, &r, &other)) << "control " << GetDlgCtrlID(child) << " covers another";
    }
    placed.push_back(r);
  }
  EXPECT_EQ(placed.size(), 12u);
  if (dpi == 192) uidriver::SaveScreenshot(editor.main(), uidriver::OwnFolder() + L"\\frontsmith_192dpi.png");
}

}  // namespace
}  // namespace frontsmith_test
