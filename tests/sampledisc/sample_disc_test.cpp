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
  ASSERT_EQ(entries.size(), 7u);
  EXPECT_EQ(entries[0].title, L"Приветствие");  // Cyrillic, read as Windows-1251
  // The quoted line keeps its comma and line break.
  EXPECT_NE(entries[6].comment.find(L"Запятые, переводы строк"), std::wstring::npos);
  EXPECT_NE(entries[6].comment.find(L"сохраняются:\r\nредактор"), std::wstring::npos);

  // The disc shows every kind of entry: arguments, a folder with a blank, a document,
  // the folder window; and a picture for most of them.
  const std::vector<std::wstring> paths = {
      L"\\programs\\hello.exe", L"\\programs\\notice.exe", L"\\programs\\hello.exe /гость Мария",
      L"\\Ещё программы\\notice.exe", L"\\readme.txt", L"\\", L"\\programs\\hello.exe"};
  std::vector<std::wstring> readPaths;
  int pictures = 0;
  const std::filesystem::path disc = std::filesystem::path(DISCFRONT_SOURCE_DIR) / "sampledisc";
  for (const auto& e : entries) {
    readPaths.push_back(e.path);
    if (e.picture == L"none") continue;
    ++pictures;
    std::wstring relative = e.picture.substr(1);
    for (auto& ch : relative) ch = ch == L'\\' ? L'/' : ch;
    EXPECT_TRUE(std::filesystem::exists(disc / "disc" / relative)) << std::string(relative.begin(), relative.end());
  }
  EXPECT_EQ(readPaths, paths);
  EXPECT_GT(pictures * 2, static_cast<int>(entries.size()));
  EXPECT_TRUE(std::filesystem::exists(disc / "disc" / "readme.txt"));
}

TEST(SampleDisc, DescriptionReadsAsOneRunOfText) {
  const std::wstring text = JoinItems(RepoFile("sampledisc/disc/info.txt"));
  EXPECT_EQ(text.find(L'\n'), std::wstring::npos);
  EXPECT_EQ(text.rfind(L"Добро пожаловать на диск-пример Korvel Discfront. Выберите", 0), 0u);
  EXPECT_NE(text.find(L"слева, и здесь"), std::wstring::npos);  // quoted lines keep their commas
}

}  // namespace
}  // namespace discfront
