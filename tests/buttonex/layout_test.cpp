// The button's unit conversions, and what each redraw plans to draw.
#include <gtest/gtest.h>

#include "tests/buttonex/fake_host.h"

namespace discfront::buttonex {
namespace {

using testing::Fake;
using testing::Hosted;

TEST(Layout, PicturePosition) {
  struct Case {
    bool skinned;
    int scaleHeight, pictureHeight, state, dx, dy;
    Point at;
  } cases[] = {
      {false, 24, 16, 1, 0, 0, {6, 6}},    // centred would be 4: the margin wins
      {false, 40, 16, 1, 0, 0, {6, 12}},
      {true, 40, 16, 1, 0, 0, {0, 12}},
      {true, 24, 40, 1, 0, 0, {0, 0}},     // taller than the control: top 0, not above
      {false, 24, 40, 0, 2, -3, {9, 4}},   // pressed: one pixel more, then the offsets
      {false, 25, 16, 2, 0, 0, {6, 6}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PicturePosition(c.skinned, c.scaleHeight, c.pictureHeight, c.state, c.dx, c.dy), c.at)
        << c.skinned << " " << c.scaleHeight << " " << c.pictureHeight << " " << c.state;
  }
}

TEST(Layout, CaptionPosition) {
  CaptionInput plain{.scaleWidth = 80, .scaleHeight = 24, .textWidth = 30, .textHeight = 13};
  EXPECT_EQ(CaptionPosition(plain), (Point{25, 6}));  // y = 12 - 6 - 1, drawn one lower
  CaptionInput pressed = plain;
  pressed.state = 0;
  EXPECT_EQ(CaptionPosition(pressed), (Point{26, 7}));
  pressed.pictureNotNone = true;  // an empty picture: not shown, still shifts left
  EXPECT_EQ(CaptionPosition(pressed), (Point{25, 7}));
  CaptionInput beside = plain;
  beside.pictureShown = beside.pictureNotNone = true;
  beside.pictureLeft = 6;
  beside.pictureWidth = 16;
  EXPECT_EQ(CaptionPosition(beside), (Point{36, 6}));  // centred between 22 and 80
  beside.offsetX = 3;
  beside.offsetY = -2;
  EXPECT_EQ(CaptionPosition(beside), (Point{39, 4}));
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

TEST(RedrawPlan, PictureOfEachStateAndSilhouette) {
  Hosted h;
  const auto normal = Fake(423, 423, "p"), over = Fake(423, 423, "o"), disabled = Fake(423, 423, "d");
  h.model.SetPicture(normal);
  h.model.SetPictureOver(over);
  h.model.SetPictureDisabled(disabled);
  h.model.SetPictureDown(nullptr);  // else the new instance's empty one draws nothing
  h.model.SetHighlightColor(0x00FF00);
  h.model.Redraw(2);
  EXPECT_EQ(h.host.draws.back().picture, over);
  EXPECT_EQ(h.host.draws.back().pictureWidth, 16);
  EXPECT_FALSE(h.host.draws.back().silhouette);
  h.model.SetHighlightPicture(true);
  EXPECT_EQ(h.host.draws.back().picture, disabled) << "setting HighlightPicture draws state 3";
  struct Case {
    bool enabled;
    int state;
    bool silhouette;
    Colour colour;
  } cases[] = {{true, 0, true, 0x00FF00}, {true, 2, true, 0x00FF00}, {true, 1, false, 0},
               {false, 1, true, kGrayText}, {false, 0, true, kGrayText}, {false, 3, false, 0}};
  for (const auto& c : cases) {
    h.model.SetEnabled(c.enabled);
    h.model.Redraw(c.state);
    EXPECT_EQ(h.host.draws.back().silhouette, c.silhouette) << c.enabled << c.state;
    if (c.silhouette) {
      EXPECT_EQ(h.host.draws.back().silhouetteColour, c.colour);
    }
  }
  h.model.SetPicture(MakeEmptyPicture());
  h.model.SetPictureOver(nullptr);
  h.model.Redraw(2);
  EXPECT_FALSE(h.host.draws.back().picture) << "an empty picture draws nothing";
}

}  // namespace
}  // namespace discfront::buttonex
