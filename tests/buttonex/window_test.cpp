// The button as a window: notifications, access keys, the default cue, and pictures
// from files.
#include <gtest/gtest.h>

#include <optional>

#include "tests/buttonex/win_fixture.h"

namespace discfront::buttonex {
namespace {

using testing::Container;
using E = ButtonEvent;

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// The left button's press, release, Click and BN_CLICKED in order are rows of the
// table below; here the right button, and the focus a press takes.
TEST(ButtonWindow, APressFocusesAndTheRightButtonDoesNotClick) {
  Container c;
  ButtonEx* b = c.Add(7, 10, 10);
  SendMessageW(b->hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
  EXPECT_EQ(GetFocus(), b->hwnd()) << "a press focuses the control";
  SendMessageW(b->hwnd(), WM_RBUTTONUP, 0, At(5, 5));
  c.Pump();
  EXPECT_EQ(c.events, (std::vector<E>{E::kMouseDown, E::kMouseUp})) << "no click for the right button";
  EXPECT_EQ(c.commandClicks, 0);
}

// A container may end a button from the button's own event (a "Close" button): the
// control finishes the message it is in and reports nothing more. An access key's Click
// comes from the message loop, not from the button's window procedure. The buttons of
// this program are never reused after their free (win_fixture.cpp), so a use stops it.
TEST(ButtonWindow, SurvivesBeingDestroyedByItsOwnEventHandler) {
  const MSG down{nullptr, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5), 0, {}}, up{nullptr, WM_LBUTTONUP, 0, At(6, 5), 0, {}};
  const MSG key{nullptr, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}}, accessKey{nullptr, BM_CLICK, 0, 0, 0, {}};
  const MSG altKey{nullptr, WM_SYSCHAR, L'в', 0, 0, {}};
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
      {E::kClick, {accessKey}, {E::kClick}},  // a dialog's mnemonic
      {E::kClick, {altKey}, {E::kClick}},
      {E::kKeyDown, {key}, {E::kKeyDown}},
  };
  for (const auto& k : cases) {
    Container c;
    ButtonEx* b = c.Add(7, 10, 10);
    b->Props().SetCaption(L"&Выход");
    const HWND button = b->hwnd();
    c.react = [&](HWND from, std::optional<E> event) {
      if (event == k.destroyAt) DestroyWindow(from);
    };
    for (MSG m : k.input) {
      m.hwnd = button;
      if (m.message == WM_SYSCHAR) {
        EXPECT_TRUE(ButtonEx::TranslateAccessKey(m));
      } else if (IsWindow(button)) {
        SendMessageW(button, m.message, m.wParam, m.lParam);
      }
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
  EXPECT_EQ(c.events, (std::vector<E>{E::kKeyDown, E::kKeyPress, E::kKeyUp, E::kClick})) << "space clicks on release";
  EXPECT_EQ(c.commandClicks, 1);
  c.events.clear();
  const int before = b->Props().State();
  MSG alt{b->hwnd(), WM_SYSCHAR, L'о', 0, 0, {}};
  EXPECT_FALSE(ButtonEx::TranslateAccessKey(alt));
  alt.wParam = L'в';
  EXPECT_TRUE(ButtonEx::TranslateAccessKey(alt)) << "Alt with the other button's letter";
  MSG letter{b->hwnd(), WM_CHAR, L'o', 0, 0, {}};
  EXPECT_TRUE(ButtonEx::TranslateAccessKey(letter)) << "the letter alone, focus on a button";
  EXPECT_EQ(c.events, (std::vector<E>{E::kClick, E::kClick}));
  EXPECT_EQ(c.commandClicks, 3);
  EXPECT_EQ(b->Props().State(), before) << "no change of look";
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

}  // namespace
}  // namespace discfront::buttonex
