// The sample disc's data read as the launcher reads it.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "catalogue/item_reader.h"
#include "tests/sampledisc/file_bytes.h"

namespace discfront {
namespace {

using discfront::testing::RepoFile;

TEST(SampleDisc, CatalogueReadsWholeAndNamesOnlyFilesOfTheDisc) {
  const CatalogueRead read = ReadCatalogue(RepoFile("sampledisc/disc/content.lnc"));
  ASSERT_TRUE(read.ok());
  const std::vector<CatalogueEntry>& entries = read.entries;
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].title, L"Приветствие");  // Cyrillic, read as Windows-1251
  EXPECT_EQ(entries[2].picture, L"none");
  // The quoted line keeps its comma and line break.
  EXPECT_NE(entries[3].comment.find(L"Запятые, переводы строк"), std::wstring::npos);
  EXPECT_NE(entries[3].comment.find(L"сохраняются:\r\nредактор"), std::wstring::npos);

  // Every picture named is on the disc.
  const std::filesystem::path disc = std::filesystem::path(DISCFRONT_SOURCE_DIR) / "sampledisc";
  for (const auto& e : entries) {
    if (e.picture != L"none") {
      std::wstring relative = e.picture.substr(1);
      for (auto& ch : relative) ch = ch == L'\\' ? L'/' : ch;
      EXPECT_TRUE(std::filesystem::exists(disc / "disc" / relative)) << std::string(relative.begin(), relative.end());
    }
    if (e.path.size() > 1) {
      // Programs are built into the assembled disc; their sources are under programs/.
      EXPECT_TRUE(e.path == L"\\programs\\hello.exe" || e.path == L"\\programs\\notice.exe");
    }
  }
}

TEST(SampleDisc, DescriptionReadsAsOneRunOfText) {
  const std::wstring text = JoinItems(RepoFile("sampledisc/disc/info.txt"));
  EXPECT_EQ(text.find(L'\n'), std::wstring::npos);
  EXPECT_EQ(text.rfind(L"Добро пожаловать на диск-пример Korvel Discfront. Выберите", 0), 0u);
  EXPECT_NE(text.find(L"слева, и здесь"), std::wstring::npos);  // quoted lines keep their commas
}

}  // namespace
}  // namespace discfront
