// The button as a window: notifications, access keys, the default cue, pictures
// from files, and the region builder.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "tests/buttonex/win_fixture.h"
#include "win32/region_builder.h"

namespace discfront::buttonex {
namespace {

using testing::Container;
using testing::Hex;
using E = ButtonEvent;

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// The left button's press, release, Click and BN_CLICKED in order are the gallery's
// end-to-end test; here what it does not show.
TEST(ButtonWindow, APressFocusesAndTheRightButtonDoesNotClick) {
  Container c;
  ButtonEx* b = c.Add(7, 10, 10);
  SendMessageW(b->hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
  EXPECT_EQ(GetFocus(), b->hwnd()) << "a press focuses the control";
  SendMessageW(b->hwnd(), WM_RBUTTONUP, 0, At(5, 5));
  c.Pump();
  EXPECT_EQ(c.events, (std::vector<E>{E::kMouseDown, E::kMouseUp})) << "no click for the right button";
  EXPECT_EQ(c.args[0].code, 2);
  EXPECT_EQ(c.commandClicks, 0);
}

// A container may end a button from the button's own event (a "Close" button): the
// control finishes the message it is in and reports nothing more.
TEST(ButtonWindow, SurvivesBeingDestroyedByItsOwnEventHandler) {
  const MSG down{nullptr, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5), 0, {}}, up{nullptr, WM_LBUTTONUP, 0, At(6, 5), 0, {}};
  const MSG key{nullptr, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}}, accessKey{nullptr, BM_CLICK, 0, 0, 0, {}};
  const std::optional<E> atCommand;  // BN_CLICKED
  const struct {
    std::optional<E> destroyAt;
    std::vector<MSG> input;
    std::vector<E> reported;
  } cases[] = {
      {E::kMouseDown, {down, up}, {E::kMouseDown}},
      {E::kMouseUp, {down, up}, {E::kMouseDown, E::kMouseUp}},
      {E::kClick, {down, up}, {E::kMouseDown, E::kMouseUp, E::kClick}},
      {atCommand, {down, up}, {E::kMouseDown, E::kMouseUp, E::kClick}},
      {E::kClick, {accessKey}, {E::kClick}},
      {E::kKeyDown, {key}, {E::kKeyDown}},
  };
  for (const auto& k : cases) {
    Container c;
    const HWND button = c.Add(7, 10, 10)->hwnd();
    c.react = [&](HWND from, std::optional<E> event) {
      if (event == k.destroyAt) DestroyWindow(from);
    };
    for (const MSG& m : k.input) {
      if (IsWindow(button)) SendMessageW(button, m.message, m.wParam, m.lParam);
    }
    c.Pump();
    EXPECT_FALSE(IsWindow(button)) << "case " << &k - cases;
    EXPECT_EQ(c.events, k.reported) << "case " << &k - cases;
    EXPECT_EQ(c.commandClicks, k.destroyAt ? 0 : 1) << "case " << &k - cases;
  }
}

TEST(ButtonWindow, KeysArePassedOnAndAccessKeysClick) {
  Container c;
  ButtonEx* b = c.Add(7, 10, 10);
  ButtonEx* other = c.Add(8, 10, 50);
  other->Props().SetCaption(L"&Выход");
  b->Props().SetCaption(L"&Open");
  SetFocus(b->hwnd());
  c.events.clear();
  SendMessageW(b->hwnd(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(b->hwnd(), WM_CHAR, L' ', 0);
  SendMessageW(b->hwnd(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(c.events, (std::vector<E>{E::kKeyDown, E::kKeyPress, E::kKeyUp})) << "space does not click";
  EXPECT_EQ(c.commandClicks, 0);
  c.events.clear();
  const int before = b->Props().State();
  MSG alt{b->hwnd(), WM_SYSCHAR, L'о', 0, 0, {}};
  EXPECT_FALSE(ButtonEx::TranslateAccessKey(alt));
  alt.wParam = L'в';
  EXPECT_TRUE(ButtonEx::TranslateAccessKey(alt)) << "Alt with the other button's letter";
  MSG letter{b->hwnd(), WM_CHAR, L'o', 0, 0, {}};
  EXPECT_TRUE(ButtonEx::TranslateAccessKey(letter)) << "the letter alone, focus on a button";
  EXPECT_EQ(c.events, (std::vector<E>{E::kClick, E::kClick}));
  EXPECT_EQ(c.commandClicks, 2);
  EXPECT_EQ(b->Props().State(), before) << "no change of look";
  SendMessageW(b->hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(c.commandClicks, 3) << "a dialog's mnemonic";
  other->Props().SetEnabled(false);
  alt.wParam = L'В';
  EXPECT_FALSE(ButtonEx::TranslateAccessKey(alt)) << "a disabled button takes no access key";
}

TEST(ButtonWindow, DefaultButtonStyleShowsTheCue) {
  Container c;
  ButtonEx* b = c.Add(7, 10, 10);
  SendMessageW(b->hwnd(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  EXPECT_TRUE(b->Props().CueVisible());
  EXPECT_EQ(SendMessageW(b->hwnd(), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, DLGC_DEFPUSHBUTTON);
  SendMessageW(b->hwnd(), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  EXPECT_FALSE(b->Props().CueVisible());
}

TEST(Pictures, EveryFormatLoadsWithItsSize) {
  struct Case {
    const wchar_t* file;
    PictureKind kind;
    int width;  // pixels
  } cases[] = {{L"sample.bmp", PictureKind::kBitmap, 8}, {L"sample.gif", PictureKind::kBitmap, 8},
               {L"sample.jpg", PictureKind::kBitmap, 8}, {L"sample.png", PictureKind::kBitmap, 8},
               {L"sample.ico", PictureKind::kIcon, 16}};
  for (const auto& k : cases) {
    SCOPED_TRACE(std::string(k.file, k.file + wcslen(k.file)));
    PictureRef p = win32::LoadPictureFile(testing::TestDataPath(k.file));
    ASSERT_TRUE(p);
    EXPECT_NE(p->Handle(), 0u);
    EXPECT_EQ(p->Kind(), k.kind);
    EXPECT_EQ(HimetricToPixels(p->WidthHimetric(), 15), k.width);
    EXPECT_FALSE(p->Bytes().empty());
  }
  EXPECT_FALSE(win32::DecodePicture("not a picture at all"));
}

// The region the slow way: one GetPixel per pixel, one CombineRgn per run.
win32::UniqueRegion NaiveRegion(HDC dc, int w, int h, COLORREF key) {
  win32::UniqueRegion all(CreateRectRgn(0, 0, 0, 0));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w;) {
      while (x < w && GetPixel(dc, x, y) == key) ++x;
      const int left = x;
      while (x < w && GetPixel(dc, x, y) != key) ++x;
      win32::UniqueRegion run(CreateRectRgn(left, y, x, y + 1));
      if (x > left) CombineRgn(all.get(), all.get(), run.get(), RGN_OR);
    }
  }
  return all;
}

using Shape = COLORREF (*)(int, int);
constexpr COLORREF kKey = RGB(255, 0, 255);

// Paints the shape into the bitmap, then compares the builder's region (built while the
// bitmap is in no device context, as the loader hands it over) with the naive one.
void ExpectSameRegion(HBITMAP bitmap, int w, int h, Shape colour) {
  win32::MemoryDc dc(nullptr);
  {
    win32::SelectGuard select(dc.get(), bitmap);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) SetPixel(dc.get(), x, y, colour(x, y));
    }
  }
  win32::UniqueRegion fast = win32::BuildRegionFromBitmap(bitmap, kKey);
  ASSERT_TRUE(fast);
  win32::SelectGuard select(dc.get(), bitmap);
  EXPECT_TRUE(EqualRgn(fast.get(), NaiveRegion(dc.get(), w, h, kKey).get()));
}

TEST(RegionBuilder, EqualsTheRegionBuiltPixelByPixel) {
  const Shape disc = [](int x, int y) { return (x - 32) * (x - 32) + (y - 24) * (y - 24) < 400 ? RGB(1, 2, 3) : kKey; };
  const Shape scatter = [](int x, int y) { return (x * 7 + y * 13) % 5 == 0 ? kKey : RGB(0, 0, 0); };
  const Shape allKey = [](int, int) { return kKey; };
  const Shape nearKey = [](int, int) { return RGB(255, 0, 254); };
  const Shape corner = [](int x, int y) { return x + y < 15 ? RGB(10, 20, 30) : kKey; };  // asymmetric
  win32::WindowDc screen(nullptr);
  for (auto [w, h, shape] : {std::tuple{64, 48, disc}, {33, 17, scatter}, {10, 10, allKey}, {10, 10, nearKey}}) {
    SCOPED_TRACE(::testing::Message() << "device bitmap " << w << "x" << h);
    win32::UniqueBitmap device(CreateCompatibleBitmap(screen.get(), w, h));
    ExpectSameRegion(device.get(), w, h, shape);
  }
  // DIB sections of either row order and depth.
  for (const int depth : {32, 24}) {
    for (const int sign : {1, -1}) {
      SCOPED_TRACE(::testing::Message() << depth << " bits, height sign " << sign);
      BITMAPINFO bmi{};
      bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 23, sign * 17, 1, static_cast<WORD>(depth), BI_RGB, 0, 0, 0, 0, 0};
      void* bits = nullptr;
      win32::UniqueBitmap section(CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
      ExpectSameRegion(section.get(), 23, 17, corner);
    }
  }
}

}  // namespace
}  // namespace discfront::buttonex
