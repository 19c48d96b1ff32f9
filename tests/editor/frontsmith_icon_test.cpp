// The committed icons are what their drawings make: the program's 48 x 48 24-bit icon
// and the About dialog's 32 x 32 16-colour icon.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "about_icon.h"
#include "frontsmith_icon.h"

namespace {

TEST(FrontsmithIcons, CommittedFilesMatchTheDrawings) {
  struct Case {
    const char* file;
    std::string drawn;
    std::size_t imageBytes;  // header, palette, colour and mask
    int size, colours, bits;
  } cases[] = {
      {"frontsmith.ico", frontsmith_art::DrawIconFile(), 40u + 48u * 48u * 3u + 48u * 8u, 48, 0, 24},
      {"about.ico", frontsmith_art::DrawAboutIconFile(), 40u + 16u * 4u + 32u * 16u + 32u * 4u, 32, 16, 4},
  };
  for (const Case& c : cases) {
    std::ifstream in(std::string(FRONTSMITH_ICON_DIR) + "/" + c.file, std::ios::binary);
    const std::string committed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(committed == c.drawn) << "art/frontsmith/" << c.file << " is stale: run frontsmith_art";
    // One icon, its image right after the directory.
    ASSERT_EQ(c.drawn.size(), 6u + 16u + c.imageBytes) << c.file;
    EXPECT_EQ(c.drawn.substr(0, 6), std::string("\0\0\1\0\1\0", 6)) << c.file;
    EXPECT_EQ(static_cast<unsigned char>(c.drawn[6]), c.size) << c.file;
    EXPECT_EQ(static_cast<unsigned char>(c.drawn[8]), c.colours) << c.file;
    EXPECT_EQ(static_cast<unsigned char>(c.drawn[6 + 6]), c.bits) << c.file;
  }
}

}  // namespace
