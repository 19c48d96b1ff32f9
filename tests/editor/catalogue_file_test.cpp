// Opening and saving catalogues through the store: whole files or nothing, exact
// bytes, and the messages that name what went wrong.
#include "editor/catalogue_file.h"

#include <gtest/gtest.h>

#include "editor/messages.h"
#include "store_test_util.h"

namespace discfront::editor {
namespace {

using test::Rec;

TEST(ReadCatalogueFile, ReadsEveryRecordAndShowsTheFirst) {
  // The worked example of the file layout, Windows-1251 bytes.
  const std::string bytes =
      "&\\setup.exe#\xCE\xF4\xE8\xF1$\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE0@\\pics\\office.bmp\r\n"
      "&\\drivers\\install.exe#\xC4\xF0$\xC4\xF0 \xF3\xF2@none\r\n";
  const OpenResult result = ReadCatalogueFile(bytes);
  ASSERT_TRUE(result.store.has_value());
  const RecordStore& store = *result.store;
  EXPECT_EQ(store.LastIndex(), 1);
  EXPECT_EQ(store.CurrentIndex(), 0);
  EXPECT_EQ(store.Fields(), (CatalogueEntry{L"\\setup.exe", L"Офис", L"Установка", L"\\pics\\office.bmp"}));
  EXPECT_EQ(store.Record(1), (CatalogueEntry{L"\\drivers\\install.exe", L"Др", L"Др ут", L"none"}));
  EXPECT_FALSE(store.HasUnsavedChanges());
}

TEST(CatalogueFile, NoRecordsIsTheEmptyStateAndWritesAnEmptyFile) {
  const RecordStore store = ReadCatalogueFile("just a title line\r\n").store.value();
  EXPECT_EQ(store.CurrentIndex(), -1);
  std::string bytes = "old";
  EncodeFailure failure;
  ASSERT_TRUE(WriteCatalogueFile(store, bytes, failure));
  EXPECT_EQ(bytes, "");
}

TEST(WriteCatalogueFile, RefusesARecordThatWouldNotReadBackWholeAndSaysWhatToChange) {
  struct Case {
    CatalogueEntry second;
    std::wstring message;
  };
  const Case cases[] = {
      {{L"\\b", L"b", L"café", L"none"},
       L"Файл не сохранён: в записи номер 2 поле «Коментарий к программе» содержит символы, "
       L"которых нет в кодировке Windows-1251. Замените их и сохраните снова."},
      {{L"\\b", L"Две\r\nстроки", L"c", L"\"x\""},
       L"Файл не сохранён: в записи номер 2 поле «Картинка к программе» содержит двойную кавычку (\"), "
       L"а поле «Название программы» — запятую или перевод строки. Запись с запятой или переводом строки "
       L"не может содержать двойных кавычек: замените их (например, на « ») или уберите запятые и "
       L"переводы строк, затем сохраните снова."},
  };
  for (const Case& c : cases) {
    RecordStore store(std::vector<CatalogueEntry>{Rec(L"a"), c.second});
    std::string bytes = "untouched";
    EncodeFailure failure;
    ASSERT_FALSE(WriteCatalogueFile(store, bytes, failure));
    EXPECT_EQ(bytes, "untouched");
    EXPECT_EQ(EncodeFailureMessage(failure), c.message);
  }
}

}  // namespace
}  // namespace discfront::editor
