// The codec against the system's own Windows-1251 tables: glibc's iconv natively,
// the Windows conversion functions under Wine.
#include "base/cp1251.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace discfront {
namespace {

// The system's character for one Windows-1251 byte; false where it knows none.
bool SystemDecode(unsigned char byte, wchar_t& out) {
#ifdef _WIN32
  const char in = static_cast<char>(byte);
  if (byte == 0x98) return false;  // unassigned; Windows maps it somewhere of its own choosing
  return MultiByteToWideChar(1251, MB_ERR_INVALID_CHARS, &in, 1, &out, 1) == 1;
#else
  iconv_t cd = iconv_open("WCHAR_T", "CP1251");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  char in = static_cast<char>(byte);
  char* inPtr = &in;
  std::size_t inLeft = 1;
  char* outPtr = reinterpret_cast<char*>(&out);
  std::size_t outLeft = sizeof(out);
  const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  return ok;
#endif
}

TEST(Cp1251, EveryAssignedByteDecodesAsTheSystemDoes) {
  int compared = 0;
  for (int b = 0; b < 256; ++b) {
    wchar_t expected = 0;
    if (!SystemDecode(static_cast<unsigned char>(b), expected)) continue;
    EXPECT_EQ(static_cast<unsigned>(DecodeCp1251Byte(static_cast<unsigned char>(b))),
              static_cast<unsigned>(expected))
        << "byte 0x" << std::hex << b;
    ++compared;
  }
  EXPECT_EQ(compared, 255);  // all but 0x98
}

TEST(Cp1251, EveryByteValueRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::wstring text = DecodeCp1251(all);
  ASSERT_EQ(text.size(), 256u);
  EXPECT_EQ(static_cast<unsigned>(text[0x98]), 0x98u);
  std::string back;
  EXPECT_EQ(EncodeCp1251(text, back), std::wstring_view::npos);
  EXPECT_EQ(back, all);
}

TEST(Cp1251, CharactersWithoutAByteAreReportedNotReplaced) {
  std::string bytes = "x";
  EXPECT_EQ(EncodeCp1251(L"ab\u00E9c", bytes), 2u);  // é is not in Windows-1251
  EXPECT_EQ(bytes, "xab");
  EXPECT_EQ(EncodeCp1251Char(L'\u4E2D'), -1);
  EXPECT_EQ(EncodeCp1251Char(L'\u20AC'), 0x88);
}

}  // namespace
}  // namespace discfront
