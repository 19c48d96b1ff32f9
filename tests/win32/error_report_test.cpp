#include "win32/error_report.h"

#include <gtest/gtest.h>

namespace win32 {
namespace {

using discfront::ErrorNumber;

TEST(ErrorReport, NamesNumberDescriptionFileAndRecord) {
  const std::wstring text = FormatErrorReport({ErrorNumber::kInvalidCall, L"D:\\\\content.lnc", 3});
  EXPECT_NE(text.find(L"Ошибка 5: Недопустимый вызов процедуры или аргумент"), std::wstring::npos);
  EXPECT_NE(text.find(L"D:\\\\content.lnc"), std::wstring::npos);
  EXPECT_NE(text.find(L"Запись номер 3"), std::wstring::npos);
}

TEST(ErrorReport, EveryNumberedErrorHasItsOwnDescription) {
  const ErrorNumber numbers[] = {ErrorNumber::kInvalidCall, ErrorNumber::kOverflow, ErrorNumber::kSubscriptOutOfRange,
                                 ErrorNumber::kFileNotFound, ErrorNumber::kPathFileAccess};
  for (ErrorNumber a : numbers) {
    EXPECT_NE(DescribeError(a), DescribeError(ErrorNumber::kNone));
    for (ErrorNumber b : numbers) {
      if (a != b) {
        EXPECT_NE(DescribeError(a), DescribeError(b));
      }
    }
  }
}

TEST(ErrorReport, MissingFileNamesNoRecord) {
  const std::wstring text = FormatErrorReport({ErrorNumber::kFileNotFound, L"C:\\disc\\info.txt", 0});
  EXPECT_NE(text.find(L"Ошибка 53: Файл не найден"), std::wstring::npos);
  EXPECT_NE(text.find(L"C:\\disc\\info.txt"), std::wstring::npos);
  EXPECT_EQ(text.find(L"Запись"), std::wstring::npos);
}

}  // namespace
}  // namespace win32
