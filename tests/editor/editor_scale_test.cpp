// The editor in a Wine session of each resolution (DISCFRONT_TEST_DPI; 96 if unset): its
// client area is the designed one at that scale, every control inside it, none covering another.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "tests/editor/frontsmith_driver.h"

namespace frontsmith_test {
namespace {

TEST(FrontsmithScale, ControlsFitTheScaledWindowWithoutOverlapping) {
  const int dpi = uidriver::SessionDpi();
  Frontsmith editor;
  RECT client{};
  GetClientRect(editor.main(), &client);
  // 4170 x 6600 twips designed: 278 x 440 pixels at 96 dpi.
  EXPECT_LE(std::abs(client.right - 278.0 * dpi / 96), 1.0) << client.right;
  EXPECT_LE(std::abs(client.bottom - 440.0 * dpi / 96), 1.0) << client.bottom;

  const std::vector<RECT> placed = uidriver::VisibleChildRects(editor.main());
  EXPECT_EQ(placed.size(), 12u);
  for (std::size_t i = 0; i < placed.size(); ++i) {
    RECT both{};
    EXPECT_TRUE(IntersectRect(&both, &placed[i], &client) && EqualRect(&both, &placed[i])) << i << " leaves the window";
    for (std::size_t j = 0; j < i; ++j) {
      EXPECT_FALSE(IntersectRect(&both, &placed[i], &placed[j])) << i << " covers " << j;
    }
  }
  if (dpi == 192) uidriver::SaveScreenshot(editor.main(), uidriver::OwnFolder() + L"\\frontsmith_192dpi.png");
}

}  // namespace
}  // namespace frontsmith_test
