// The button as a window: notifications, access keys, the default cue, and pictures
// from files.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <optional>

#include "tests/buttonex/win_fixture.h"
#include "tests/failing_allocations.h"
#include "win32/accessible_proxy.h"

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

// A client that reaches the button's object through its list of children, its services
// or its window, and back, still reads the button; memory running out while it answers
// is an HRESULT to the client, not an exception across COM.
TEST(ButtonAccessibleObject, EveryInterfaceLeadsBackToTheButton) {
  Container c;
  ButtonEx* b = c.Add(7, 10, 10);
  b->Props().SetCaption(L"&Установить");
  void* raw = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(b->hwnd(), OBJID_CLIENT, win32::kIidAccessible, &raw), S_OK);
  auto* object = static_cast<IAccessible*>(raw);
  IUnknown* identity = nullptr;
  ASSERT_EQ(object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
  VARIANT self{};
  self.vt = VT_I4;  // lVal 0: CHILDID_SELF
  int offered = 0;
  using namespace win32;
  for (const IID& iid : {kIidEnumVariant, kIidServiceProvider, kIidOleWindow, kIidAccIdentity}) {
    IUnknown* through = nullptr;
    if (object->QueryInterface(iid, reinterpret_cast<void**>(&through)) != S_OK) continue;
    ++offered;
    IUnknown* back = nullptr;
    IAccessible* again = nullptr;
    through->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&back));
    EXPECT_EQ(back, identity) << "interface " << offered;
    ASSERT_EQ(through->QueryInterface(win32::kIidAccessible, reinterpret_cast<void**>(&again)), S_OK);
    BSTR name = nullptr;
    again->get_accName(self, &name);
    EXPECT_STREQ(name, L"Установить") << "interface " << offered;
    SysFreeString(name);
    for (IUnknown* p : {back, static_cast<IUnknown*>(again), through}) p->Release();
  }
  EXPECT_GE(offered, 1) << "the standard object offers these; a test of none proves nothing";
  IServiceProvider* services = nullptr;
  IUnknown* served = nullptr;
  ASSERT_EQ(object->QueryInterface(kIidServiceProvider, reinterpret_cast<void**>(&services)), S_OK);
  const GUID isSystemProxy = {0x902697FA, 0x80E4, 0x4560, {0x80, 0x2A, 0xA1, 0x3F, 0x22, 0xA6, 0x47, 0x09}};
  services->QueryService(isSystemProxy, IID_IUnknown, reinterpret_cast<void**>(&served));
  EXPECT_EQ(served, nullptr) << "the system's own object as a service, or this one claiming to be it";
  for (IUnknown* p : {served, static_cast<IUnknown*>(services)}) if (p) p->Release();
  HWND window = nullptr;
  EXPECT_EQ(WindowFromAccessibleObject(object, &window), S_OK);
  EXPECT_EQ(window, b->hwnd());
  BSTR name = nullptr;
  auto failing = std::make_optional<discfront::testing::FailingAllocations>();
  const HRESULT outOfMemory = object->get_accName(self, &name);
  failing.reset();
  EXPECT_EQ(outOfMemory, E_OUTOFMEMORY);
  for (IUnknown* p : {identity, static_cast<IUnknown*>(object)}) p->Release();
}

// The tooltip is a popup the button creates, owned by its top-level window; it goes with
// the button, so a form that makes and ends buttons keeps its count of window objects.
// (Wine counts none in GetGuiResources, so the thread's windows are counted.)
TEST(ButtonWindow, ItsTooltipGoesWithIt) {
  Container c;
  const auto windows = [] {
    int count = 0;
    const auto countOne = [](HWND, LPARAM n) CALLBACK -> BOOL { return ++*reinterpret_cast<int*>(n), TRUE; };
    EnumThreadWindows(GetCurrentThreadId(), countOne, reinterpret_cast<LPARAM>(&count));
    return std::pair(count, GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
  };
  const auto before = windows();
  for (int i = 0; i < 1000; ++i) {
    ButtonEx* b = c.Add(7, 10, 10);
    b->Props().SetToolTipText(L"Подсказка");
    DestroyWindow(b->hwnd());
  }
  const auto after = windows();
  EXPECT_EQ(after.first, before.first) << "top-level windows of this thread";
  EXPECT_LE(after.second, before.second + 10) << "the system's window objects";
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
