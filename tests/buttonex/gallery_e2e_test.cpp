// The gallery driven with the real pointer: the pointer leaving a skinned button for the
// window beneath a see-through pixel, seen in the event log. A press and its Click and
// the pressed look are the window tests' tables; a real click on a button is the About
// dialog's end-to-end test (the launcher's About button).
#include <gtest/gtest.h>

#include <algorithm>

#include "buttonex/gallery/gallery_window.h"
#include "uidriver/uidriver.h"

namespace discfront::buttonex {
namespace {

using namespace uidriver;
namespace g = gallery;

TEST(GalleryE2e, MouseExitOnASeeThroughSkinPixel) {
  Process app = Process::Start(OwnFolder() + L"\\buttonex_gallery.exe");
  const HWND window = WaitForWindow({.className = g::kGalleryClass, .processId = app.Id()});
  ASSERT_NE(window, nullptr) << "the gallery did not appear";
  const HWND log = WaitForChild(window, {.id = g::kIdLog});
  ASSERT_TRUE(WaitUntil([&] { return !ListBoxItems(log).empty() && ListBoxItems(log).back() == L"Готово"; }));
  ASSERT_TRUE(BringToFront(window));
  MoveMouse(CenterOf(log));
  const std::size_t from = ListBoxItems(log).size();
  const auto logs = [&](const std::wstring& line) {
    return WaitUntil([&] {
      const auto all = ListBoxItems(log);
      return std::find(all.begin() + std::min(from, all.size()), all.end(), line) != all.end();
    });
  };
  const HWND skin = FindChild(window, {.id = g::kIdSkin});
  MoveMouse(ScreenPoint(skin, {60, 15}));
  MoveMouse(ScreenPoint(skin, {61, 15}));
  ASSERT_TRUE(logs(L"cmdSkin: MouseEnter"));
  MoveMouse(ScreenPoint(skin, {1, 1}));  // a magenta corner pixel of the skin
  EXPECT_TRUE(logs(L"cmdSkin: MouseExit"));
  EXPECT_TRUE(SaveScreenshot(window, OwnFolder() + L"\\buttonex_gallery.png"));
}

}  // namespace
}  // namespace discfront::buttonex
