// The button's reactions to mouse, keyboard and focus, as event sequences and looks, and
// what each redraw plans to draw: the skin or picture of each state and their fallbacks.
#include <gtest/gtest.h>

#include "tests/buttonex/fake_host.h"

namespace discfront::buttonex {
namespace {

using testing::Fake;
using testing::Hosted;
using E = ButtonEvent;

enum class Input { kMove, kDown, kUp, kClick, kLeave, kAccessKey, kKeyDown, kFocus, kBlur };

struct Step {
  const char* what;
  Input input;
  int button = 0;
  int x = 10;
  int y = 10;
  std::vector<E> events{};
  int drawn = -1;        // state after the step; -1 for "no redraw"
  int value = -1;        // Value after the step; -1 for "not checked"
};

void Apply(ButtonModel& m, const Step& s) {
  switch (s.input) {
    case Input::kMove: m.OnMouseMove(s.button, 0, s.x, s.y); break;
    case Input::kDown: m.OnMouseDown(s.button, 0, s.x, s.y); break;
    case Input::kUp: m.OnMouseUp(s.button, 0, s.x, s.y); break;
    case Input::kClick: m.OnClick(); break;
    case Input::kLeave: m.OnPointerLeft(); break;
    case Input::kAccessKey: m.OnAccessKey(); break;
    case Input::kKeyDown: m.OnKeyDown(32, 1); break;
    case Input::kFocus: m.OnFocus(true); break;
    case Input::kBlur: m.OnFocus(false); break;
  }
}

void RunSteps(Hosted& h, const std::vector<Step>& steps) {
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    h.host.Clear();
    Apply(h.model, s);
    EXPECT_EQ(h.host.EventKinds(), s.events);
    if (s.drawn < 0) {
      EXPECT_TRUE(h.host.draws.empty());
    } else {
      ASSERT_FALSE(h.host.draws.empty());
      EXPECT_EQ(h.host.draws.back().state, s.drawn);
      EXPECT_EQ(h.model.State(), s.drawn);
    }
    if (s.value >= 0) {
      EXPECT_EQ(h.model.Value(), s.value);
    }
  }
}

TEST(ButtonStateMachine, PushButtonThroughHoverPressReleaseAndExit) {
  Hosted h;
  RunSteps(h, {
      {"first move: watch starts, look unchanged", Input::kMove, 0, 10, 10, {E::kMouseEnter, E::kMouseMove}, -1},
      {"second move brings the hover look", Input::kMove, 0, 11, 10, {E::kMouseMove}, 2},
      {"further moves draw nothing new", Input::kMove, 0, 12, 10, {E::kMouseMove}, -1},
      {"left press", Input::kDown, 1, 12, 10, {E::kMouseDown}, 0, 0},
      {"move pressed inside", Input::kMove, 1, 20, 10, {E::kMouseMove}, -1},
      {"move pressed outside raises nothing", Input::kMove, 1, 200, 10, {}, -1},
      {"release outside: the up look, no click", Input::kUp, 1, 200, 10, {E::kMouseUp}, 1},
      {"press again", Input::kDown, 1, 20, 10, {E::kMouseDown}, 0, 0},
      {"release inside", Input::kUp, 1, 20, 10, {E::kMouseUp}, 1},
      {"click from the window", Input::kClick, 0, 0, 0, {E::kClick}, -1},
      {"next move hovers again", Input::kMove, 0, 20, 10, {E::kMouseMove}, 2},
      {"pointer leaves", Input::kLeave, 0, 0, 0, {E::kMouseExit}, 1},
      {"a second leave raises nothing", Input::kLeave, 0, 0, 0, {}, -1},
      {"coming back restarts the watch only", Input::kMove, 0, 5, 5, {E::kMouseEnter, E::kMouseMove}, -1},
      {"right press changes nothing", Input::kDown, 2, 5, 5, {E::kMouseDown}, -1, 0},
      {"right release changes nothing", Input::kUp, 2, 5, 5, {E::kMouseUp}, -1, 0},
      {"access key clicks without a new look", Input::kAccessKey, 0, 0, 0, {E::kClick}, -1},
      {"keys are passed on", Input::kKeyDown, 0, 0, 0, {E::kKeyDown}, -1},
      {"the far corner is inside", Input::kMove, 0, 80, 24, {E::kMouseMove}, 2},
      {"a pixel past the right edge is outside", Input::kMove, 0, 81, 5, {}, -1},
      {"a pixel past the left edge is outside", Input::kMove, 0, -1, 5, {}, -1},
      {"a pixel below is outside", Input::kMove, 0, 5, 25, {}, -1},
      {"a pixel above is outside", Input::kMove, 0, 5, -1, {}, -1},
  });
  EXPECT_EQ(h.host.watchStarts, 2);
}

TEST(ButtonStateMachine, ToggleLatchesAndReleases) {
  Hosted h;
  h.model.SetStyle(1);
  h.model.OnMouseMove(0, 0, 5, 5);
  RunSteps(h, {
      {"hover on a released toggle", Input::kMove, 0, 6, 5, {E::kMouseMove}, 2},
      {"press latches", Input::kDown, 1, 6, 5, {E::kMouseDown}, 0, 0},
      {"release keeps it down", Input::kUp, 1, 6, 5, {E::kMouseUp}, 0, 0},
      {"hover keeps it down", Input::kMove, 0, 7, 5, {E::kMouseMove}, 0},
      {"every hover move redraws it", Input::kMove, 0, 8, 5, {E::kMouseMove}, 0},
      {"press releases it at once", Input::kDown, 1, 8, 5, {E::kMouseDown}, 1, 1},
      {"release", Input::kUp, 1, 8, 5, {E::kMouseUp}, 1, 1},
  });
}

// The press also moves the caption one pixel right and down (with a Picture object,
// even an empty one, it moves back left).
TEST(ButtonStateMachine, CaptionColourAndPlaceFollowHoverAndPress) {
  Hosted h;
  h.model.SetAppearance(1);
  h.model.SetPicture(nullptr);
  h.model.SetHighlightColor(0x0000FF);
  h.model.SetForeColor(0x00FF00);
  h.model.OnMouseMove(0, 0, 5, 5);
  h.model.OnMouseMove(0, 0, 6, 5);
  const DrawPlan hovered = h.host.draws.back();
  EXPECT_EQ(hovered.captionColour, 0x0000FFu);
  h.model.OnMouseDown(1, 0, 6, 5);
  EXPECT_EQ(h.host.draws.back().captionColour, 0x0000FFu) << "pressed inside";
  EXPECT_EQ(h.host.draws.back().captionX, hovered.captionX + 1);
  EXPECT_EQ(h.host.draws.back().captionY, hovered.captionY + 1);
  h.model.OnPointerLeft();
  // Dragged outside: the first move restarts the watch, the next draws the press.
  h.model.OnMouseMove(1, 0, 200, 5);
  h.model.OnMouseMove(1, 0, 201, 5);
  EXPECT_EQ(h.host.draws.back().state, 0);
  EXPECT_EQ(h.host.draws.back().captionColour, 0x00FF00u) << "pressed after MouseExit";
}

TEST(ButtonStateMachine, FocusAndDefaultCue) {
  Hosted h;
  h.model.OnFocus(true);
  EXPECT_TRUE(h.model.CueVisible());
  EXPECT_TRUE(h.host.draws.back().focusRect);
  h.model.OnFocus(false);
  EXPECT_FALSE(h.host.draws.back().focusRect);
  h.model.OnDisplayAsDefault(true);
  EXPECT_TRUE(h.host.draws.back().focusRect);
  h.host.userModeFails = true;
  h.model.Redraw(1);
  EXPECT_FALSE(h.host.draws.back().focusRect) << "a failing UserMode means no cue";
  h.host.userModeFails = false;
  h.host.userMode = false;
  h.model.Redraw(1);
  EXPECT_FALSE(h.host.draws.back().focusRect) << "no cue in a designer";
}

TEST(RedrawPlan, SkinOfEachStateAndItsFallbacks) {
  Hosted h;
  const auto up = Fake(3175, 794, "up"), over = Fake(3175, 794, "over"), down = Fake(3175, 794, "down");
  const auto focus = Fake(3175, 794, "focus"), disabled = Fake(3175, 794, "disabled");
  h.model.SetAppearance(2);
  h.model.SetSkinUp(up);
  EXPECT_EQ(h.model.ControlSize(), (Size{120, 30})) << "the control takes the skin's size";
  h.model.SetSkinOver(over);
  h.model.SetSkinDown(down);
  h.model.SetSkinFocus(focus);
  h.model.SetSkinDisabled(nullptr);  // a new instance's empty one would be shown
  const std::pair<int, PictureRef> expected[] = {{0, down}, {1, up}, {2, over}, {3, up}, {4, focus}};
  for (const auto& [state, skin] : expected) {
    h.model.Redraw(state);
    EXPECT_EQ(h.host.draws.back().skin, skin) << state;
    EXPECT_TRUE(h.host.draws.back().skinned);
    EXPECT_EQ(h.host.draws.back().edgeCount, 0);
  }
  h.model.SetSkinDown(nullptr);
  h.model.Redraw(0);
  EXPECT_EQ(h.host.draws.back().skin, up) << "none falls back to SkinUp";
  h.model.SetSkinDown(MakeEmptyPicture());
  h.model.Redraw(0);
  EXPECT_EQ(h.host.draws.back().skin->Handle(), 0u) << "an empty skin is shown as it is";
  h.model.OnFocus(true);
  h.model.Redraw(1);
  EXPECT_EQ(h.host.draws.back().skin, focus) << "the cue shows as SkinFocus in the up state";
  EXPECT_EQ(h.model.State(), 1);
  h.model.SetEnabled(false);
  h.model.Redraw(2);
  EXPECT_EQ(h.host.draws.back().skin, up) << "disabled without SkinDisabled";
  EXPECT_EQ(h.model.State(), 3);
  h.model.SetSkinDisabled(disabled);
  h.model.Redraw(0);
  EXPECT_EQ(h.host.draws.back().skin, disabled);
  h.model.SetSkinUp(nullptr);
  h.model.Redraw(1);
  EXPECT_FALSE(h.host.draws.back().skinned) << "without SkinUp a skinned button is flat";
  EXPECT_EQ(h.host.draws.back().edgeCount, 0);
  EXPECT_FALSE(h.host.draws.back().focusRect) << "and shows no focus rectangle";
}

TEST(RedrawPlan, PictureOfEachState) {
  Hosted h;
  const auto normal = Fake(423, 423, "p"), over = Fake(423, 423, "o"), disabled = Fake(423, 423, "d");
  h.model.SetPicture(normal);
  h.model.SetPictureOver(over);
  h.model.SetPictureDisabled(disabled);
  h.model.SetPictureDown(nullptr);  // else the new instance's empty one draws nothing
  h.model.Redraw(2);
  EXPECT_EQ(h.host.draws.back().picture, over);
  EXPECT_EQ(h.host.draws.back().pictureWidth, 16);
  EXPECT_FALSE(h.host.draws.back().silhouette);
  h.model.SetHighlightPicture(true);
  EXPECT_EQ(h.host.draws.back().picture, disabled) << "setting HighlightPicture draws state 3";
  h.model.SetPicture(MakeEmptyPicture());
  h.model.SetPictureOver(nullptr);
  h.model.Redraw(2);
  EXPECT_FALSE(h.host.draws.back().picture) << "an empty picture draws nothing";
}

}  // namespace
}  // namespace discfront::buttonex
