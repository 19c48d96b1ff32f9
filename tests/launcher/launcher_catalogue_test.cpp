#include "launcher/launcher_catalogue.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace discfront {
namespace {

struct Loaded {
  std::unique_ptr<LauncherCatalogue> catalogue = std::make_unique<LauncherCatalogue>();
  std::vector<std::wstring> titles;
  SplitResult result;
};

Loaded Load(std::wstring_view text) {
  Loaded l;
  l.result = LoadCatalogue(text, *l.catalogue, [&](std::wstring_view t) { l.titles.emplace_back(t); });
  return l;
}

TEST(LauncherCatalogue, FieldsGoToTheirArraysAndTitlesToTheListInFileOrder) {
  const Loaded l = Load(L"&\\a.exe#Первая$Комментарий@none&\\b\\b.exe#Вторая$$@\\p.bmp");
  EXPECT_TRUE(l.result.ok());
  EXPECT_EQ(l.titles, (std::vector<std::wstring>{L"Первая", L"Вторая"}));
  EXPECT_EQ(l.catalogue->entryPath[0], L"\\a.exe");
  EXPECT_EQ(l.catalogue->entryComment[0], L"Комментарий");
  EXPECT_EQ(l.catalogue->entryPicture[0], L"none");
  EXPECT_EQ(l.catalogue->entryPath[1], L"\\b\\b.exe");
  EXPECT_EQ(l.catalogue->entryComment[1], L"$");
  EXPECT_EQ(l.catalogue->entryPicture[1], L"\\p.bmp");
  EXPECT_EQ(l.catalogue->entryPath[2], L"");
}

TEST(LauncherCatalogue, Slot1000IsTheLastListItem) {
  std::wstring text;
  for (int i = 0; i <= 1000; ++i) text += L"&p#t" + std::to_wstring(i) + L"$c@none";
  const Loaded l = Load(text);
  EXPECT_TRUE(l.result.ok());
  ASSERT_EQ(l.titles.size(), 1001u);
  EXPECT_EQ(l.titles.back(), L"t1000");
  EXPECT_EQ(l.catalogue->entryPicture[1000], L"none");
}

}  // namespace
}  // namespace discfront
