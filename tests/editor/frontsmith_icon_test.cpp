// The committed icons are what their drawings make: the program's 48 x 48 24-bit icon
// and the About dialog's 32 x 32 16-colour icon.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "about_icon.h"
#include "frontsmith_icon.h"

namespace {

TEST(FrontsmithIcons, CommittedFilesMatchTheDrawings) {
  const std::pair<const char*, std::string> icons[] = {
      {"frontsmith.ico", frontsmith_art::DrawIconFile()},
      {"about.ico", frontsmith_art::DrawAboutIconFile()},
  };
  for (const auto& [file, drawn] : icons) {
    std::ifstream in(std::string(FRONTSMITH_ICON_DIR) + "/" + file, std::ios::binary);
    const std::string committed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(committed == drawn) << "art/frontsmith/" << file << " is stale: run frontsmith_art";
  }
}

}  // namespace
