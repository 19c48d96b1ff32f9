// The committed program icon is what its drawing makes.
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
}

}  // namespace
