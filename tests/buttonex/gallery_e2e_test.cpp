// The gallery driven with the real pointer: press, click and leave as a user makes them,
// seen in the event log and on the screen. Where a release clicks is the state machine's table.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "buttonex/gallery/gallery_window.h"
#include "uidriver/uidriver.h"

namespace discfront::buttonex {
namespace {

using namespace uidriver;
namespace g = gallery;

class GalleryE2e : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    app_.emplace(Process::Start(OwnFolder() + L"\\buttonex_gallery.exe"));
    window_ = WaitForWindow({.className = g::kGalleryClass, .processId = app_->Id()});
    ASSERT_NE(window_, nullptr) << "the gallery did not appear";
    log_ = WaitForChild(window_, {.id = g::kIdLog});
    ASSERT_TRUE(WaitUntil([] { return !ListBoxItems(log_).empty() && ListBoxItems(log_).back() == L"Готово"; }));
  }
  static void TearDownTestSuite() {
    if (app_) app_->Kill();
    app_.reset();
  }

  void SetUp() override {
    ASSERT_TRUE(BringToFront(window_));
    Away();
  }

  // Rests the pointer on the log, away from every button.
  static void Away() { MoveMouse(CenterOf(log_)); }
  static HWND Button(int id) { return FindChild(window_, {.id = id}); }
  static POINT On(int id, int x, int y) { return ScreenPoint(Button(id), POINT{x, y}); }
  static COLORREF ScreenPixel(int id, int x, int y) {
    const POINT p = On(id, x, y);
    return CaptureScreen(RECT{p.x, p.y, p.x + 1, p.y + 1}).Pixel(0, 0);
  }
  // The log lines written from now on.
  struct Mark {
    std::size_t from = ListBoxItems(log_).size();
    std::vector<std::wstring> Since() const {
      auto all = ListBoxItems(log_);
      return std::vector<std::wstring>(all.begin() + std::min(from, all.size()), all.end());
    }
    bool Has(const std::wstring& line) const { return std::ranges::count(Since(), line) > 0; }
    bool WaitFor(const std::wstring& line) const { return WaitUntil([&] { return Has(line); }); }
  };

  static inline std::optional<Process> app_;
  static inline HWND window_ = nullptr;
  static inline HWND log_ = nullptr;
};

TEST_F(GalleryE2e, PressedLookThenClickAfterTheRelease) {
  MoveMouse(On(g::kId3D, 30, 14));
  MoveMouse(On(g::kId3D, 31, 14));
  Mark mark;
  MouseDown();
  ASSERT_TRUE(mark.WaitFor(L"cmd3D: MouseDown 1 0 465 210"));
  EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(g::kId3D, 0, 0) == GetSysColor(COLOR_WINDOWFRAME); }))
      << "pressed and focused: the mono outer frame";
  MouseUp();
  ASSERT_TRUE(mark.WaitFor(L"cmd3D: BN_CLICKED"));
  auto lines = mark.Since();
  const auto up = std::find(lines.begin(), lines.end(), L"cmd3D: MouseUp 1 0 465 210");
  const auto click = std::find(lines.begin(), lines.end(), L"cmd3D: Click");
  ASSERT_NE(up, lines.end());
  ASSERT_NE(click, lines.end());
  EXPECT_LT(up, click) << "Click follows MouseUp";
}

// The pointer leaving for another window, here the window beneath a see-through pixel.
TEST_F(GalleryE2e, MouseExitOnASeeThroughSkinPixel) {
  Mark mark;
  MoveMouse(On(g::kIdSkin, 60, 15));
  MoveMouse(On(g::kIdSkin, 61, 15));
  ASSERT_TRUE(mark.WaitFor(L"cmdSkin: MouseEnter"));
  MoveMouse(On(g::kIdSkin, 1, 1));  // a magenta corner pixel of the skin
  EXPECT_TRUE(mark.WaitFor(L"cmdSkin: MouseExit"));
  EXPECT_TRUE(SaveScreenshot(window_, OwnFolder() + L"\\buttonex_gallery.png"));
}

}  // namespace
}  // namespace discfront::buttonex
