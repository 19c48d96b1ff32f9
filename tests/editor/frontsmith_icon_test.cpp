// The committed program icon is what its drawing makes, and a valid 48 x 48 24-bit icon.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "frontsmith_icon.h"

namespace {

TEST(FrontsmithIcon, CommittedFileMatchesTheDrawing) {
  std::ifstream in(FRONTSMITH_ICON_FILE, std::ios::binary);
  const std::string committed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string drawn = frontsmith_art::DrawIconFile();
  EXPECT_TRUE(committed == drawn) << "art/frontsmith/frontsmith.ico is stale: run frontsmith_art";
  // Header: one icon of 48 x 48 at 24 bits, image right after the directory.
  ASSERT_EQ(drawn.size(), 6u + 16u + 40u + 48u * 48u * 3u + 48u * 8u);
  EXPECT_EQ(drawn.substr(0, 6), std::string("\0\0\1\0\1\0", 6));
  EXPECT_EQ(static_cast<unsigned char>(drawn[6]), 48);
  EXPECT_EQ(static_cast<unsigned char>(drawn[6 + 6]), 24);
}

}  // namespace
