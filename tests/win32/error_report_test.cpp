#include "win32/error_report.h"

#include <gtest/gtest.h>

namespace win32 {
namespace {

using discfront::ErrorNumber;

TEST(ErrorReport, MissingFileNamesNoRecord) {
  const std::wstring text = FormatErrorReport({ErrorNumber::kFileNotFound, L"C:\\disc\\info.txt", 0});
  EXPECT_NE(text.find(L"C:\\disc\\info.txt"), std::wstring::npos);
  EXPECT_EQ(text.find(L"Запись"), std::wstring::npos);
}

}  // namespace
}  // namespace win32
