#include "win32/error_report.h"

#include <gtest/gtest.h>

namespace win32 {
namespace {

using discfront::ErrorNumber;

// The launcher's end-to-end tests read whole reports for errors 5, 9 and 53; here every
// numbered error, so that no two share a description.
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
  EXPECT_NE(text.find(L"C:\\disc\\info.txt"), std::wstring::npos);
  EXPECT_EQ(text.find(L"Запись"), std::wstring::npos);
}

}  // namespace
}  // namespace win32
