#include "catalogue/line_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>

#include "catalogue/catalogue_reader.h"

namespace discfront {
namespace {

std::string Encode(const std::vector<CatalogueEntry>& entries) {
  std::string bytes;
  EncodeFailure failure;
  EXPECT_TRUE(EncodeCatalogue(entries, bytes, failure)) << "refused record " << failure.slot;
  return bytes;
}

// Reads the bytes back the way both programs do; nullopt when the split fails.
std::optional<std::vector<CatalogueEntry>> ReadBack(const std::string& bytes) {
  CatalogueRead read = ReadCatalogue(bytes);
  if (!read.ok()) return std::nullopt;
  return std::move(read.entries);
}

// The bytes of written lines: those without a comma or line break exactly as the
// editor has always written them, the others between double quotes; Windows-1251 when
// every character has a byte there, else UTF-8 after its mark.
TEST(EncodeCatalogue, WritesLinesBareOrQuotedAndTheyReadBackWhole) {
  struct Case {
    CatalogueEntry entry;
    std::string bytes;
  };
  const Case cases[] = {
      {{L"\\setup.exe", L"Офис", L"Установка офисного пакета", L"\\pics\\office.bmp"},
       "&\\setup.exe#\xCE\xF4\xE8\xF1$\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE0 "
       "\xEE\xF4\xE8\xF1\xED\xEE\xE3\xEE \xEF\xE0\xEA\xE5\xF2\xE0@\\pics\\office.bmp\r\n"},
      {{L"", L"", L"", L""}, "&#$@\r\n"},
      {{L"  \\a.exe ", L" Ёё № ", L"  ", L"none"}, "&  \\a.exe # \xA8\xB8 \xB9 $  @none\r\n"},
      {{L"\"\\q.exe\"", L"\"Best\" tool", L"say \"hi\"", L"\""}, "&\"\\q.exe\"#\"Best\" tool$say \"hi\"@\"\r\n"},
      {{L"\\t\tab", L"«x»", L"\u0098;–", L"none"}, "&\\t\tab#\xABx\xBB$\x98;\x96@none\r\n"},
      {{L"\\d.exe", L"Я", L"Я, ты", L"none"}, "\"&\\d.exe#\xDF$\xDF, \xF2\xFB@none\"\r\n"},
      {{L"a,", L"x\r\ny", L" ", L"\r"}, "\"&a,#x\r\ny$ @\r\"\r\n"},
      {{L"\\é.exe", L"Ωμέγα 中文", L"Я", L"none"},
       "\xEF\xBB\xBF&\\\xC3\xA9.exe#\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1 \xE4\xB8\xAD\xE6\x96\x87$\xD0\xAF@none\r\n"},
      {{L"\\a", L"ü, ß", L"x", L""}, "\xEF\xBB\xBF\"&\\a#\xC3\xBC, \xC3\x9F$x@\"\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Encode({c.entry}), c.bytes);
    EXPECT_EQ(ReadBack(c.bytes), std::vector<CatalogueEntry>{c.entry});
  }
}

// A character no encoding holds: half of a surrogate pair.
const std::wstring kLoneSurrogate(1, static_cast<wchar_t>(0xD800));

TEST(EncodeCatalogue, RefusesARecordThatWouldNotReadBackWholeBeforeWritingAnything) {
  using Reason = EncodeFailure::Reason;
  struct Case {
    CatalogueEntry bad;
    Reason reason;
    Field field;
    Field breakField;
  };
  const Case cases[] = {
      {{L"\\a" + kLoneSurrogate, L"t", L"c", L"p"}, Reason::kNoByte, Field::kPath, Field::kPath},
      {{L"\\a", L"t\u00E9" + kLoneSurrogate, L"c,", L"p"}, Reason::kNoByte, Field::kTitle, Field::kPath},
      {{L"", L"", L"", kLoneSurrogate}, Reason::kNoByte, Field::kPicture, Field::kPath},
      {{L"\\a", L"t", L"\"Лучший\", быстрый", L"p"}, Reason::kQuoteConflict, Field::kComment, Field::kComment},
      {{L"\\a", L"\"t\"", L"две\r\nстроки", L"p"}, Reason::kQuoteConflict, Field::kTitle, Field::kComment},
      {{L"\\a\r", L"t", L"c", L"\"p\""}, Reason::kQuoteConflict, Field::kPicture, Field::kPath},
  };
  for (const Case& c : cases) {
    const std::vector<CatalogueEntry> entries = {{L"ok", L"o,k", L"ok", L"ok"}, c.bad, {L"\"", L"", L"", L""}};
    std::string bytes = "untouched";
    EncodeFailure failure;
    EXPECT_FALSE(EncodeCatalogue(entries, bytes, failure));
    EXPECT_EQ(bytes, "untouched");
    EXPECT_EQ(failure.slot, 1);
    EXPECT_EQ(failure.reason, c.reason);
    EXPECT_EQ(failure.field, c.field);
    if (c.reason == Reason::kQuoteConflict) {
      EXPECT_EQ(failure.breakField, c.breakField);
    }
  }
}

// Catalogues of every kind the editor accepts, and of records it refuses to write:
// Cyrillic, other scripts in some (written as UTF-8), blanks at both ends, commas, CR, LF, CR LF, double quotes, empty fields,
// up to 1001 records.
std::vector<CatalogueEntry> RandomCatalogue(std::mt19937& rng, bool full) {
  const auto pick = [&rng](std::size_t n) { return rng() % n; };
  static constexpr std::wstring_view kPlain = L"aZ9 .\\-«»№ОфисЁёя\u0098\téΩ中";
  static constexpr std::wstring_view kBreaks[] = {L",", L", ", L"\r", L"\n", L"\r\n", L"\n\r"};
  const bool mayConflict = pick(3) == 0;
  const std::size_t alphabet = kPlain.size() - (pick(2) == 0 ? 0 : 3);  // half without é, Ω, 中
  std::vector<CatalogueEntry> entries(full ? kSlotCount : pick(5));
  for (CatalogueEntry& e : entries) {
    const bool breaks = pick(2) == 0;
    const bool quotes = (mayConflict || !breaks) && pick(3) == 0;
    for (std::wstring* field : {&e.path, &e.title, &e.comment, &e.picture}) {
      for (std::size_t n = pick(4) == 0 ? 0 : pick(12); n > 0; --n) {
        const std::size_t kind = pick(10);
        if (breaks && kind == 0) {
          *field += kBreaks[pick(std::size(kBreaks))];
        } else {
          *field += quotes && kind == 1 ? L'"' : kPlain[pick(alphabet)];
        }
      }
    }
  }
  return entries;
}

bool HoldsConflict(const CatalogueEntry& e) {
  const auto any = [&e](std::wstring_view chars) {
    for (const std::wstring* f : {&e.path, &e.title, &e.comment, &e.picture}) {
      if (f->find_first_of(chars) != std::wstring::npos) return true;
    }
    return false;
  };
  return any(L"\"") && any(L",\r\n");
}

TEST(EncodeCatalogue, EveryAcceptedCatalogueReadsBackExactlyAndEveryRefusalWritesNothing) {
  std::mt19937 rng(20261207);
  int written = 0;
  int writtenUtf8 = 0;
  int refused = 0;
  for (int i = 0; i < 100'000; ++i) {
    const std::vector<CatalogueEntry> entries = RandomCatalogue(rng, i % 20'000 == 0);
    std::string bytes = "untouched";
    EncodeFailure failure;
    FileEncoding encoding = FileEncoding::kCp1251;
    if (EncodeCatalogue(entries, bytes, failure, &encoding)) {
      ++written;
      writtenUtf8 += encoding == FileEncoding::kUtf8;
      ASSERT_EQ(DetectFileEncoding(bytes), encoding) << "catalogue " << i;
      ASSERT_EQ(ReadBack(bytes), entries) << "catalogue " << i << " did not read back whole";
      continue;
    }
    ++refused;
    ASSERT_EQ(bytes, "untouched") << "catalogue " << i;
    ASSERT_EQ(failure.reason, EncodeFailure::Reason::kQuoteConflict) << "catalogue " << i;
    const auto first = std::find_if(entries.begin(), entries.end(), HoldsConflict);
    ASSERT_EQ(failure.slot, first - entries.begin()) << "catalogue " << i;
  }
  // Both outcomes are common enough for the property to mean something.
  EXPECT_GT(written, 50'000);
  EXPECT_GT(writtenUtf8, 10'000);
  EXPECT_GT(written - writtenUtf8, 10'000);
  EXPECT_GT(refused, 5'000);
}

}  // namespace
}  // namespace discfront
