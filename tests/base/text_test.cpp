// A file's encoding (Windows-1251, or UTF-8 after its mark), the UTF-8 codec, and the
// placeholders of the programs' format strings.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/file_encoding.h"
#include "base/texts.h"
#include "base/utf8.h"

namespace discfront {
namespace {

const std::wstring kLoneSurrogate(1, static_cast<wchar_t>(0xDC00));

TEST(FileEncoding, ReadsUtf8AfterTheMarkAndWindows1251Otherwise) {
  const struct {
    const char* name;
    std::string bytes;
    FileEncoding encoding;
    std::wstring text;
  } cases[] = {
      {"windows-1251", "\xCE\xF4\xE8\xF1 \x98", FileEncoding::kCp1251, L"Офис \u0098"},
      {"utf-8 bytes without the mark", "\xC3\xA9", FileEncoding::kCp1251, L"Г©"},
      {"the mark alone", "\xEF\xBB\xBF", FileEncoding::kUtf8, L""},
      {"several scripts", "\xEF\xBB\xBF\xC3\xA9 \xCE\xA9 \xE4\xB8\xAD \xD0\xAF", FileEncoding::kUtf8, L"é Ω 中 Я"},
      {"four bytes", "\xEF\xBB\xBF\xF0\x9F\x8E\xB5!", FileEncoding::kUtf8, L"\U0001F3B5!"},
      {"stray continuation", "\xEF\xBB\xBF" "a\x80" "b", FileEncoding::kUtf8, L"a\uFFFDb"},
      {"overlong form", "\xEF\xBB\xBF\xC0\x80", FileEncoding::kUtf8, L"\uFFFD\uFFFD"},
      {"encoded surrogate", "\xEF\xBB\xBF\xED\xA0\x80", FileEncoding::kUtf8, L"\uFFFD\uFFFD\uFFFD"},
      {"cut-off sequence", "\xEF\xBB\xBFx\xE4\xB8", FileEncoding::kUtf8, L"x\uFFFD\uFFFD"},
      {"above U+10FFFF", "\xEF\xBB\xBF\xF4\x90\x80\x80", FileEncoding::kUtf8, std::wstring(4, L'\uFFFD')},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DetectFileEncoding(c.bytes), c.encoding) << c.name;
    EXPECT_EQ(DecodeFile(c.bytes), c.text) << c.name;
  }
}

TEST(FileEncoding, WritesWindows1251WhenEveryCharacterFitsElseUtf8WithTheMark) {
  const struct {
    std::wstring text;
    std::optional<FileEncoding> encoding;
  } cases[] = {
      {L"", FileEncoding::kCp1251},
      {L"Ёлка № 5 \u0098 €", FileEncoding::kCp1251},
      {L"Crème brûlée", FileEncoding::kUtf8},
      {L"Ελληνικά, 中文, Русский", FileEncoding::kUtf8},
      {L"a\U0001F3B5", FileEncoding::kUtf8},  // a surrogate pair where wchar_t has 16 bits
      {L"п»їx", FileEncoding::kUtf8},  // in Windows-1251 these are the mark's bytes
      {L"ok" + kLoneSurrogate, std::nullopt},
  };
  for (const auto& c : cases) {
    std::string bytes = "before";
    EXPECT_EQ(EncodeFile(c.text, bytes), c.encoding);
    if (!c.encoding) {
      EXPECT_EQ(bytes, "before");
      continue;
    }
    const std::string_view file = std::string_view(bytes).substr(6);
    EXPECT_EQ(DetectFileEncoding(file), *c.encoding);
    EXPECT_EQ(DecodeFile(file), c.text);
  }
}

TEST(FillPlaceholders, PutsEachArgumentWhereItsNumberStands) {
  EXPECT_EQ(FillPlaceholders(L"Файл «%1», запись номер %2.", {L"a.lnc", L"7"}), L"Файл «a.lnc», запись номер 7.");
  EXPECT_EQ(FillPlaceholders(L"%2 of %1, 100%%; %3 and %9 empty, % stays", {L"a", L"7"}), L"7 of a, 100%;  and  empty, % stays");
}

}  // namespace
}  // namespace discfront
