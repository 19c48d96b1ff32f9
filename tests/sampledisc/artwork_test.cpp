// The artwork: committed files match a fresh drawing; skins keep the key colour where a
// window or button is cut and never where the launcher's controls sit.
#include <gtest/gtest.h>

#include <cstdlib>

#include "art/artwork.h"
#include "tests/sampledisc/file_bytes.h"

namespace discfront::art {
namespace {

using discfront::testing::Le16;
using discfront::testing::Le32;
using discfront::testing::RepoFile;

// The committed files are the generator's output: same headers and key-colour pixels;
// other pixels may differ by a rounding step (a different maths library).
TEST(Artwork, CommittedFilesMatchAFreshDrawing) {
  for (const auto& file : AllArtFiles()) {
    SCOPED_TRACE(file.path);
    const std::string committed = RepoFile(file.path);
    ASSERT_EQ(committed.size(), file.bytes.size()) << "re-run discfront_art (see art/README.md)";
    const std::size_t headerEnd = file.path.ends_with(".ico") ? 22 + 40 : 54;
    int differing = 0;
    for (std::size_t i = 0; i < committed.size(); ++i) {
      const int a = static_cast<unsigned char>(committed[i]), b = file.bytes[i];
      if (i < headerEnd) {
        ASSERT_EQ(a, b) << "header byte " << i;
      } else if (std::abs(a - b) > 2) {
        ++differing;
      }
    }
    EXPECT_EQ(differing, 0) << "re-run discfront_art (see art/README.md)";
  }
}

bool IsKey(const Canvas& canvas, int x, int y) { return canvas.At(x, y) == kMagenta; }

TEST(Artwork, BackSkinIsCutAtCornersAndNotchOnly) {
  const Canvas back = DrawBackSkin();
  ASSERT_EQ(back.Width(), kSkinWidth);
  ASSERT_EQ(back.Height(), kSkinHeight);
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

  // No key colour inside the areas of the list, the buttons and the text box, nor
  // anywhere above the notch: the window stays one piece.
  int keyInside = 0;
  for (const Area& area : {kListArea, kButtonColumn}) {
    for (int y = area.top; y < area.top + area.height; ++y) {
      for (int x = area.left; x < area.left + area.width; ++x) keyInside += IsKey(back, x, y);
    }
  }
  EXPECT_EQ(keyInside, 0);
  for (int y = 20; y < 330; ++y) {
    for (int x = 20; x < kSkinWidth - 20; ++x) ASSERT_FALSE(IsKey(back, x, y)) << x << "," << y;
  }
}

TEST(Artwork, ButtonSkinsHaveKeyCornersAndAnOpaqueFace) {
  for (auto state : {ButtonState::kUp, ButtonState::kOver, ButtonState::kDown}) {
    const Canvas button = DrawButtonSkin(state);
    ASSERT_EQ(button.Width(), kButtonWidth);
    ASSERT_EQ(button.Height(), kButtonHeight);
    EXPECT_TRUE(IsKey(button, 0, 0));
    EXPECT_TRUE(IsKey(button, kButtonWidth - 1, kButtonHeight - 1));
    for (int x = 8; x < kButtonWidth - 8; ++x) {
      for (int y = 0; y < kButtonHeight; ++y) ASSERT_FALSE(IsKey(button, x, y)) << x << "," << y;
    }
  }
  // The three states look different.
  EXPECT_FALSE(DrawButtonSkin(ButtonState::kUp).At(80, 12) == DrawButtonSkin(ButtonState::kOver).At(80, 12));
  EXPECT_FALSE(DrawButtonSkin(ButtonState::kUp).At(80, 12) == DrawButtonSkin(ButtonState::kDown).At(80, 12));
}

TEST(Artwork, IconIsOne48By48TwentyFourBitImageWithAMask) {
  const std::string ico = RepoFile("art/discfront.ico");
  ASSERT_GE(ico.size(), 22u + 40u);
  EXPECT_EQ(Le16(ico, 0), 0u);
  EXPECT_EQ(Le16(ico, 2), 1u);  // icon
  EXPECT_EQ(Le16(ico, 4), 1u);  // one image
  EXPECT_EQ(static_cast<unsigned char>(ico[6]), 48);
  EXPECT_EQ(static_cast<unsigned char>(ico[7]), 48);
  EXPECT_EQ(Le16(ico, 12), 24u);
  const unsigned size = Le32(ico, 14), offset = Le32(ico, 18);
  EXPECT_EQ(offset + size, ico.size());
  EXPECT_EQ(Le32(ico, offset + 4), 48u);
  EXPECT_EQ(Le32(ico, offset + 8), 96u);  // colour rows and mask rows
  EXPECT_EQ(Le16(ico, offset + 14), 24u);
  EXPECT_EQ(size, 40u + 48 * 48 * 3 + 48 * 8);

  // Mask rows are bottom-up, 8 bytes each: the top-left corner is cut, the card's middle is not.
  const std::size_t mask = offset + 40 + 48 * 48 * 3;
  auto transparent = [&](int x, int y) {
    return (static_cast<unsigned char>(ico[mask + (47 - y) * 8 + x / 8]) & (0x80 >> (x % 8))) != 0;
  };
  EXPECT_TRUE(transparent(0, 0));
  EXPECT_TRUE(transparent(47, 0));
  EXPECT_TRUE(transparent(21, 21));  // the hole of the disc
  EXPECT_FALSE(transparent(36, 35));
  EXPECT_FALSE(transparent(8, 21));
}

}  // namespace
}  // namespace discfront::art
