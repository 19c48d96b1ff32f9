#include "catalogue/line_format.h"

#include <gtest/gtest.h>

#include "catalogue/item_reader.h"

namespace discfront {
namespace {

TEST(FormatCatalogueLine, BytesOfAFormattedLine) {
  std::vector<CatalogueEntry> entries = {
      {L"\\setup.exe", L"Офис", L"Установка офисного пакета", L"\\pics\\office.bmp"},
      {L"", L"", L"", L""},
  };
  std::string bytes;
  EncodeFailure failure;
  ASSERT_TRUE(EncodeCatalogue(entries, bytes, failure));
  EXPECT_EQ(bytes,
            "&\\setup.exe#\xCE\xF4\xE8\xF1$\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE0 "
            "\xEE\xF4\xE8\xF1\xED\xEE\xE3\xEE \xEF\xE0\xEA\xE5\xF2\xE0@\\pics\\office.bmp\r\n"
            "&#$@\r\n");
}

TEST(FormatCatalogueLine, FieldsAreWrittenExactlyAsHeld) {
  EXPECT_EQ(FormatCatalogueLine(L"a,b", L"x\r\ny", L" c ", L"none"), L"&a,b#x\r\ny$ c @none\r\n");
}

TEST(EncodeCatalogue, NamesTheRecordAndFieldOfAnUnencodableCharacter) {
  struct Case {
    CatalogueEntry bad;
    Field field;
  };
  const Case cases[] = {
      {{L"\\a\u00E9", L"t", L"c", L"p"}, Field::kPath},
      {{L"\\a", L"t\u00E9", L"c", L"p"}, Field::kTitle},
      {{L"\\a", L"", L"\u4E2D", L"p"}, Field::kComment},
      {{L"", L"", L"", L"\u00E9"}, Field::kPicture},
  };
  for (const Case& c : cases) {
    std::vector<CatalogueEntry> entries = {{L"ok", L"ok", L"ok", L"ok"}, c.bad};
    std::string bytes = "untouched";
    EncodeFailure failure;
    EXPECT_FALSE(EncodeCatalogue(entries, bytes, failure));
    EXPECT_EQ(bytes, "untouched");
    EXPECT_EQ(failure.slot, 1);
    EXPECT_EQ(failure.field, c.field);
  }
}

TEST(EncodeCatalogue, WrittenCatalogueReadsBackTheSameEntries) {
  std::vector<CatalogueEntry> entries;
  for (int i = 0; i < 50; ++i) {
    entries.push_back({L"\\dir\\prog" + std::to_wstring(i) + L".exe", L"Программа №" + std::to_wstring(i),
                       L"Комментарий «" + std::to_wstring(i) + L"»", i % 3 ? L"\\pic.bmp" : L"none"});
  }
  std::string bytes;
  EncodeFailure failure;
  ASSERT_TRUE(EncodeCatalogue(entries, bytes, failure));
  std::vector<CatalogueEntry> read(entries.size());
  const SplitResult result = SplitCatalogue(JoinItems(bytes), [&](int slot, Field f, std::wstring_view t) {
    CatalogueEntry& e = read[static_cast<std::size_t>(slot)];
    (f == Field::kPath ? e.path : f == Field::kTitle ? e.title : f == Field::kComment ? e.comment : e.picture) = t;
  });
  EXPECT_TRUE(result.ok());
  EXPECT_EQ(read, entries);
}

}  // namespace
}  // namespace discfront
