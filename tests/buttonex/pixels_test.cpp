// The button's look under Wine, read back from the memory surface it draws on.
#include <gtest/gtest.h>

#include "buttonex/button_painter.h"
#include "buttonex/masked_copy.h"
#include "tests/buttonex/win_fixture.h"
#include "win32/handles.h"
#include "win32/high_contrast.h"

namespace discfront::buttonex {
namespace {

using testing::Container;
using testing::Hex;
using testing::MakeBitmapPicture;

const auto Sys = GetSysColor;
constexpr COLORREF kMagenta = RGB(255, 0, 255);

struct EdgeCase {
  const char* what;
  int appearance;
  int state;
  bool cue;
  int outer;    // system colour at (0, 0), -1 for the button face
  int inner;    // at (1, 1)
  int outerBr;  // at (w-1, h-1)
  bool focusRect;
};

TEST(ButtonPixels, FramedEdgesInEachStateWithAndWithoutCue) {
  const EdgeCase cases[] = {
      {"up raised", 1, 1, false, COLOR_3DLIGHT, COLOR_3DHILIGHT, COLOR_3DDKSHADOW, false},
      {"down sunken", 1, 0, false, COLOR_3DSHADOW, COLOR_3DDKSHADOW, COLOR_3DHILIGHT, false},
      {"down with cue", 1, 0, true, COLOR_WINDOWFRAME, COLOR_3DSHADOW, COLOR_WINDOWFRAME, true},
      {"flat at rest with cue: no focus rectangle", 0, 1, true, -1, -1, -1, false},
      {"over with cue", 0, 2, true, COLOR_WINDOWFRAME, COLOR_3DLIGHT, COLOR_WINDOWFRAME, true},
      {"disabled look with cue: focus rectangle only", 1, 3, true, -1, -1, -1, true},
  };
  Container c;
  ButtonEx* b = c.Add(1, 10, 10);
  b->Props().SetCaption(L"");
  for (const auto& e : cases) {
    SCOPED_TRACE(e.what);
    b->Props().SetAppearance(e.appearance);
    b->Props().OnFocus(e.cue);
    b->Props().Redraw(e.state);
    HDC dc = b->SurfaceDc();
    const int w = b->Props().ControlSize().width, h = b->Props().ControlSize().height;
    auto expect = [](int index) { return Sys(index < 0 ? COLOR_BTNFACE : index); };
    EXPECT_EQ(Hex(GetPixel(dc, 0, 0)), Hex(expect(e.outer)));
    EXPECT_EQ(Hex(GetPixel(dc, 1, 1)), Hex(expect(e.inner)));
    EXPECT_EQ(Hex(GetPixel(dc, w - 1, h - 1)), Hex(expect(e.outerBr)));
    int dotted = 0;
    for (int x = 4; x < w - 4; ++x) dotted += GetPixel(dc, x, 4) != Sys(COLOR_BTNFACE);
    EXPECT_EQ(dotted > 0, e.focusRect) << dotted;
  }
}

// A skinned button whose 120 x 30 skin has the key colour in its left 10 columns.
ButtonEx* SkinnedButton(Container& c) {
  ButtonEx* b = c.Add(1, 20, 20);
  auto& p = b->Props();
  p.SetCaption(L"");
  p.SetTransparentColor(kMagenta);
  p.SetSkinUp(MakeBitmapPicture(120, 30, [](int x, int) { return x < 10 ? kMagenta : RGB(200, 0, 0); }));
  p.SetAppearance(2);
  return b;
}

// High contrast set on the button: no skin pixel, the raised frame of a system button, no
// see-through pixels; a change of the system's settings then brings the system's mode back.
TEST(ButtonPixels, HighContrastShowsNoSkinUntilTheSystemSaysOtherwise) {
  Container c;
  ButtonEx* b = SkinnedButton(c);
  auto& p = b->Props();
  p.SetHighContrast(true);
  c.Pump();
  EXPECT_EQ(Hex(GetPixel(b->SurfaceDc(), 60, 15)), Hex(Sys(COLOR_BTNFACE)));
  EXPECT_EQ(Hex(GetPixel(b->SurfaceDc(), 0, 0)), Hex(Sys(COLOR_3DLIGHT)));
  POINT key{5, 15};
  ClientToScreen(b->hwnd(), &key);
  EXPECT_EQ(WindowFromPoint(key), b->hwnd()) << "the whole rectangle";
  SendMessageW(b->hwnd(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  const bool systemOn = win32::HighContrastOn();
  EXPECT_EQ(p.HighContrast(), systemOn);
  EXPECT_EQ(Hex(GetPixel(b->SurfaceDc(), 60, 15)), Hex(systemOn ? Sys(COLOR_BTNFACE) : RGB(200, 0, 0)));
}

// Which skin each state shows is the redraw plan's table; here, that the window draws
// it and takes its shape.
TEST(ButtonPixels, SkinAndItsSeeThroughKeyPixels) {
  Container c;
  ButtonEx* b = SkinnedButton(c);
  auto& p = b->Props();
  p.Redraw(1);
  EXPECT_EQ(Hex(GetPixel(b->SurfaceDc(), 60, 15)), Hex(RGB(200, 0, 0)));
  c.Pump();
  POINT body{60, 15}, key{5, 15};
  ClientToScreen(b->hwnd(), &body);
  ClientToScreen(b->hwnd(), &key);
  EXPECT_EQ(WindowFromPoint(body), b->hwnd());
  EXPECT_EQ(WindowFromPoint(key), c.hwnd()) << "a key pixel belongs to the window beneath";
  // At twice the resolution the same skin is drawn, cut and hit at twice its size.
  b->SetDpi(GetDeviceCaps(win32::WindowDc(nullptr).get(), LOGPIXELSY) * 2);
  c.Pump();
  EXPECT_EQ(Hex(GetPixel(b->SurfaceDc(), 200, 50)), Hex(RGB(200, 0, 0)));
  RECT twice{};
  GetClientRect(b->hwnd(), &twice);
  EXPECT_NEAR(twice.right, 240, 1);  // the control takes its skin's size as stored forms always did
  POINT body2{200, 50}, key2{15, 50};
  ClientToScreen(b->hwnd(), &body2);
  ClientToScreen(b->hwnd(), &key2);
  EXPECT_EQ(WindowFromPoint(body2), b->hwnd());
  EXPECT_EQ(WindowFromPoint(key2), c.hwnd());
  p.SetSkinUp(nullptr);
  c.Pump();
  EXPECT_EQ(WindowFromPoint(key), b->hwnd()) << "flat again: the whole rectangle";
}

TEST(ButtonPixels, MaskedCopyLeavesTheDestinationUnderKeyPixels) {
  win32::WindowDc screen(nullptr);
  win32::MemoryDc dest(screen.get()), source(screen.get());
  win32::UniqueBitmap destBitmap(CreateCompatibleBitmap(screen.get(), 20, 20));
  win32::UniqueBitmap sourceBitmap(CreateCompatibleBitmap(screen.get(), 8, 8));
  win32::SelectGuard selDest(dest.get(), destBitmap.get());
  win32::SelectGuard selSource(source.get(), sourceBitmap.get());
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) SetPixel(source.get(), x, y, (x + y) % 3 == 0 ? kMagenta : RGB(1, 2, 3 + x));
  }
  struct Case {
    COLORREF key;
    COLORREF keyUsed;
  } cases[] = {{kMagenta, kMagenta}, {kKeyFromSource, RGB(1, 2, 4)}};  // (1, 1) is RGB(1, 2, 4)
  for (const auto& k : cases) {
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) SetPixel(dest.get(), x, y, RGB(x * 10, y * 10, 77));
    }
    MaskedCopy(dest.get(), source.get(), POINT{5, 6}, POINT{0, 0}, 8, 8, k.key);
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) {
        const COLORREF s = GetPixel(source.get(), x, y);
        const COLORREF expected = s == k.keyUsed ? RGB((x + 5) * 10, (y + 6) * 10, 77) : s;
        ASSERT_EQ(Hex(GetPixel(dest.get(), x + 5, y + 6)), Hex(expected)) << x << "," << y;
      }
    }
    EXPECT_EQ(Hex(GetPixel(dest.get(), 4, 6)), Hex(RGB(40, 60, 77))) << "outside untouched";
  }
}

// A 16 x 16 picture: key-coloured around a black 8 x 8 square.
PictureRef SquarePicture() {
  return MakeBitmapPicture(16, 16, [](int x, int y) {
    return (x >= 4 && x < 12 && y >= 4 && y < 12) ? RGB(0, 0, 0) : kMagenta;
  });
}

TEST(ButtonPixels, SilhouetteInHighlightColourOrGreyWhenDisabled) {
  Container c;
  ButtonEx* b = c.Add(1, 10, 10);
  auto& p = b->Props();
  p.SetCaption(L"");
  p.SetAppearance(0);
  p.SetPicture(SquarePicture());
  p.SetPictureOver(nullptr);
  p.SetPictureDown(nullptr);
  p.SetTransparentColor(kMagenta);
  p.SetHighlightColor(RGB(0, 0, 255));
  p.Redraw(1);
  // Picture at (6, 4): centred in 24 rows would be 4, the margin 6 wins.
  EXPECT_EQ(Hex(GetPixel(b->SurfaceDc(), 6 + 8, 6 + 8)), Hex(RGB(0, 0, 0))) << "normal picture";
  EXPECT_EQ(Hex(GetPixel(b->SurfaceDc(), 6 + 1, 6 + 1)), Hex(Sys(COLOR_BTNFACE))) << "key pixel not drawn";
  p.SetHighlightPicture(true);
  p.Redraw(2);
  const COLORREF shape = RGB(0, 0, 255) ^ Sys(COLOR_BTNTEXT);
  EXPECT_EQ(Hex(GetPixel(b->SurfaceDc(), 6 + 8, 6 + 8)), Hex(shape)) << "hover silhouette";
  EXPECT_EQ(Hex(GetPixel(b->SurfaceDc(), 6 + 1, 6 + 1)), Hex(Sys(COLOR_BTNFACE))) << "outside the shape";
  p.SetEnabled(false);
  p.Redraw(1);
  EXPECT_EQ(Hex(GetPixel(b->SurfaceDc(), 6 + 8, 6 + 8)), Hex(Sys(COLOR_GRAYTEXT) ^ Sys(COLOR_BTNTEXT)))
      << "disabled silhouette";
  // A picture larger than the old 81 x 33 scratch size is not cut.
  p.SetEnabled(true);
  p.SetPicture(MakeBitmapPicture(100, 40, [](int x, int) { return x < 2 ? kMagenta : RGB(0, 0, 0); }));
  b->Props().OnResize({140, 50});
  p.Redraw(2);
  EXPECT_EQ(Hex(GetPixel(b->SurfaceDc(), 6 + 95, 6 + 30)), Hex(shape));
}

}  // namespace
}  // namespace discfront::buttonex
