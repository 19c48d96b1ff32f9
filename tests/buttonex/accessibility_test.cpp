// What an accessibility client and a keyboard user get of the button, without a window:
// name and shortcut from the caption, state bits from the model, Space and Enter, the
// focus rectangle under keyboard cues, and the high-contrast look.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "buttonex/accessible_facts.h"
#include "tests/buttonex/fake_host.h"

namespace discfront::buttonex {
namespace {

using testing::Fake;
using testing::Hosted;

TEST(ButtonAccessibility, NameAndShortcutFromTheCaption) {
  const struct {
    const wchar_t* caption;
    const wchar_t* name;
    const wchar_t* shortcut;
  } cases[] = {
      {L"&Установить", L"Установить", L"Alt+У"},
      {L"&о программе", L"о программе", L"Alt+О"},
      {L"Save && &quit", L"Save & quit", L"Alt+Q"},
      {L"&&Only", L"&Only", L""},
      {L"End&", L"End", L""},
      {L"plain", L"plain", L""},
  };
  for (const auto& c : cases) {
    Hosted h;
    h.model.SetCaption(c.caption);
    EXPECT_EQ(AccessibleName(h.model.Caption()), c.name) << c.caption;
    EXPECT_EQ(KeyboardShortcut(h.model.AccessKey()), c.shortcut) << c.caption;
  }
}

TEST(ButtonAccessibility, StateBitsFromTheModelAndTheWindow) {
  const struct {
    const char* what;
    void (*arrange)(ButtonModel&);
    WindowFacts window;
    std::uint32_t state;
  } cases[] = {
      {"at rest", [](ButtonModel&) {}, {}, kAccFocusable},
      {"pressed", [](ButtonModel& m) { m.OnMouseDown(1, 0, 5, 5); }, {}, kAccFocusable | kAccPressed},
      {"toggle latched", [](ButtonModel& m) { m.SetStyle(1); m.SetValue(0); }, {}, kAccFocusable | kAccPressed},
      {"disabled", [](ButtonModel& m) { m.SetEnabled(false); }, {}, kAccUnavailable},
      {"focused default hidden", [](ButtonModel&) {}, {true, false, true},
       kAccFocusable | kAccFocused | kAccDefault | kAccInvisible},
  };
  for (const auto& c : cases) {
    Hosted h;
    c.arrange(h.model);
    EXPECT_EQ(AccessibleStateOf(h.model, c.window), c.state) << c.what;
  }
}

TEST(ButtonKeyboard, EnterOnPressSpaceOnReleaseClickWithoutModifiers) {
  constexpr int kEnter = 0x0D, kSpace = 0x20;
  enum Key { kDown, kRepeat, kUp, kBlur };
  const struct {
    const char* what;
    std::vector<std::tuple<Key, int, int>> keys;  // what, key code, shift
    int clicks;
  } cases[] = {
      {"Enter", {{kDown, kEnter, 0}}, 1},
      {"Enter held repeats no click", {{kDown, kEnter, 0}, {kRepeat, kEnter, 0}}, 1},
      {"Shift+Enter", {{kDown, kEnter, 1}}, 0},
      {"Space pressed and released", {{kDown, kSpace, 0}, {kUp, kSpace, 0}}, 1},
      {"Space only pressed", {{kDown, kSpace, 0}}, 0},
      {"Space released without its press here", {{kUp, kSpace, 0}}, 0},
      {"focus lost between", {{kDown, kSpace, 0}, {kBlur, 0, 0}, {kUp, kSpace, 0}}, 0},
  };
  for (const auto& c : cases) {
    Hosted h;
    h.model.OnFocus(true);
    for (const auto& [key, code, shift] : c.keys) {
      if (key == kDown || key == kRepeat) h.model.OnKeyDown(code, shift, key == kRepeat);
      if (key == kUp) h.model.OnKeyUp(code, shift);
      if (key == kBlur) h.model.OnFocus(false);
    }
    const auto kinds = h.host.EventKinds();
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), ButtonEvent::kClick), c.clicks) << c.what;
  }
}

// Focused, in the up state: keyboard cues add the focus rectangle where the mouse
// user's look has none (flat, skinned).
TEST(ButtonKeyboard, FocusRectangleUnderKeyboardCuesInEveryAppearance) {
  const struct {
    int appearance;
    bool cues;
    bool focusRect;
  } cases[] = {{0, false, false}, {1, false, true}, {2, false, false},
               {0, true, true},   {1, true, true},  {2, true, true}};
  for (const auto& c : cases) {
    Hosted h;
    h.model.SetAppearance(c.appearance);
    h.model.SetSkinUp(Fake(3175, 794, "up"));
    h.model.OnFocus(true);
    h.model.OnKeyboardCues(c.cues);
    const DrawPlan& plan = h.host.draws.back();
    EXPECT_EQ(plan.focusRect, c.focusRect) << c.appearance << " cues " << c.cues;
    if (c.focusRect) {
      EXPECT_EQ(plan.focus, (Rect{4, 4, plan.width - 4, plan.height - 4}));
    }
  }
}

TEST(ButtonHighContrast, NoSkinARaisedFrameAndSystemColoursUntilItEnds) {
  Hosted h;
  const auto up = Fake(3175, 794, "up");
  h.model.SetAppearance(2);
  h.model.SetSkinUp(up);
  h.model.SetBackColor(0x00112233);
  h.model.SetForeColor(0x00445566);
  h.model.SetHighContrast(true);
  const DrawPlan& plan = h.host.draws.back();
  EXPECT_FALSE(plan.skinned);
  EXPECT_EQ(plan.edgeCount, 1);
  EXPECT_EQ(plan.edges[0], (EdgeStep{kEdgeRaised, kBfRect})) << "raised at rest, like a system button";
  EXPECT_EQ(plan.backColor, kButtonFace);
  EXPECT_EQ(plan.captionColour, kButtonText);
  h.model.SetHighContrast(false);
  EXPECT_EQ(h.host.draws.back().skin, up);
  EXPECT_EQ(h.host.draws.back().captionColour, 0x00445566u);
}

}  // namespace
}  // namespace discfront::buttonex
