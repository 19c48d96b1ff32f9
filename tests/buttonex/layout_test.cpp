// What each redraw plans to draw: the skin or picture of each state and their fallbacks,
// and where the caption goes.
#include <gtest/gtest.h>

#include "tests/buttonex/fake_host.h"

namespace discfront::buttonex {
namespace {

using testing::Fake;
using testing::Hosted;

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

// The press moves the caption one pixel right and down (with a Picture object, even an
// empty one, it moves back left).
TEST(RedrawPlan, PressedCaptionMovesOnePixelRightAndDown) {
  Hosted h;
  h.model.SetAppearance(1);
  h.model.SetPicture(nullptr);
  h.model.Redraw(1);
  const DrawPlan up = h.host.draws.back();
  h.model.Redraw(0);
  EXPECT_EQ(h.host.draws.back().captionX, up.captionX + 1);
  EXPECT_EQ(h.host.draws.back().captionY, up.captionY + 1);
}

}  // namespace
}  // namespace discfront::buttonex
