// The artwork: committed files match a fresh drawing; the back skin keeps the key colour
// where the window is cut and never where the launcher's controls sit.
#include <gtest/gtest.h>

#include <cstdlib>

#include "art/artwork.h"
#include "tests/sampledisc/file_bytes.h"

namespace discfront::art {
namespace {

using discfront::testing::RepoFile;

// The committed files are the generator's output, give or take a rounding step in a
// byte (a different maths library).
TEST(Artwork, CommittedFilesMatchAFreshDrawing) {
  for (const auto& file : AllArtFiles()) {
    SCOPED_TRACE(file.path);
    const std::string committed = RepoFile(file.path);
    ASSERT_EQ(committed.size(), file.bytes.size()) << "re-run discfront_art (see art/README.md)";
    int differing = 0;
    for (std::size_t i = 0; i < committed.size(); ++i) {
      if (std::abs(static_cast<unsigned char>(committed[i]) - file.bytes[i]) > 2) ++differing;
    }
    EXPECT_EQ(differing, 0) << "re-run discfront_art (see art/README.md)";
  }
}

bool IsKey(const Canvas& canvas, int x, int y) { return canvas.At(x, y) == kMagenta; }

TEST(Artwork, SkinsAreCutAtCornersAndNotchOnly) {
  const Canvas back = DrawBackSkin();
  struct Point {
    int x, y;
    bool key;
  };
  const Point points[] = {
      {0, 0, true}, {kSkinWidth - 1, 0, true}, {0, kSkinHeight - 1, true},
      {kSkinWidth - 1, kSkinHeight - 1, true},             // rounded corners
      {265, kSkinHeight - 1, true}, {265, 340, true},      // the notch
      {200, kSkinHeight - 1, false}, {330, kSkinHeight - 1, false},
      {kSkinWidth / 2, 0, false}, {0, kSkinHeight / 2, false}, {kSkinWidth - 1, kSkinHeight / 2, false},
  };
  for (const auto& p : points) EXPECT_EQ(IsKey(back, p.x, p.y), p.key) << p.x << "," << p.y;
  // The buttons have see-through corners too, and an opaque body.
  for (const ButtonState state : {ButtonState::kUp, ButtonState::kOver, ButtonState::kDown}) {
    const Canvas button = DrawButtonSkin(state);
    EXPECT_TRUE(IsKey(button, 0, 0) && IsKey(button, kButtonWidth - 1, kButtonHeight - 1));
    EXPECT_FALSE(IsKey(button, kButtonWidth / 2, kButtonHeight / 2));
  }

  // No key colour anywhere above the notch (where the list, the buttons and the text box
  // sit): the window stays one piece.
  for (int y = 20; y < 330; ++y) {
    for (int x = 20; x < kSkinWidth - 20; ++x) ASSERT_FALSE(IsKey(back, x, y)) << x << "," << y;
  }
}

}  // namespace
}  // namespace discfront::art
