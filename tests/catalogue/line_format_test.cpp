#include "catalogue/line_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>

#include "catalogue/item_reader.h"

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
  std::vector<CatalogueEntry> read;
  const SplitResult result = SplitCatalogue(JoinItems(bytes), [&](int slot, Field f, std::wstring_view t) {
    if (static_cast<std::size_t>(slot) >= read.size()) read.resize(static_cast<std::size_t>(slot) + 1);
    CatalogueEntry& e = read[static_cast<std::size_t>(slot)];
    (f == Field::kPath ? e.path : f == Field::kTitle ? e.title : f == Field::kComment ? e.comment : e.picture) = t;
  });
  if (!result.ok()) return std::nullopt;
  return read;
}

TEST(FormatCatalogueLine, LinesWithoutCommasOrLineBreaksAreWrittenAsTheyAlwaysWere) {
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
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Encode({c.entry}), c.bytes);
    EXPECT_EQ(ReadBack(c.bytes), std::vector<CatalogueEntry>{c.entry});
  }
}

TEST(FormatCatalogueLine, CommasAndLineBreaksPutTheWholeLineInQuotes) {
  struct Case {
    CatalogueEntry entry;
    std::wstring line;
  };
  const Case cases[] = {
      {{L"\\d.exe", L"Драйверы", L"Драйверы, утилиты", L"none"}, L"\"&\\d.exe#Драйверы$Драйверы, утилиты@none\"\r\n"},
      {{L"a,", L"", L"", L""}, L"\"&a,#$@\"\r\n"},
      {{L"", L"x\r\ny", L"", L" "}, L"\"&#x\r\ny$@ \"\r\n"},
      {{L"", L"", L"\r", L"\n"}, L"\"&#$\r@\n\"\r\n"},
      {{L"", L"", L"\n  два\r\n", L""}, L"\"&#$\n  два\r\n@\"\r\n"},
  };
  for (const Case& c : cases) {
    const CatalogueEntry& e = c.entry;
    EXPECT_EQ(FormatCatalogueLine(e.path, e.title, e.comment, e.picture), c.line);
    EXPECT_EQ(ReadBack(Encode({e})), std::vector<CatalogueEntry>{e});
  }
}

TEST(EncodeCatalogue, RefusesARecordThatWouldNotReadBackWholeBeforeWritingAnything) {
  using Reason = EncodeFailure::Reason;
  struct Case {
    CatalogueEntry bad;
    Reason reason;
    Field field;
    Field breakField;
  };
  const Case cases[] = {
      {{L"\\a\u00E9", L"t", L"c", L"p"}, Reason::kNoByte, Field::kPath, Field::kPath},
      {{L"\\a", L"t\u00E9", L"c,", L"p"}, Reason::kNoByte, Field::kTitle, Field::kPath},
      {{L"\\a", L"", L"\u4E2D", L"p"}, Reason::kNoByte, Field::kComment, Field::kPath},
      {{L"", L"", L"", L"\u00E9"}, Reason::kNoByte, Field::kPicture, Field::kPath},
      {{L"\\a", L"t", L"\"Лучший\", быстрый", L"p"}, Reason::kQuoteConflict, Field::kComment, Field::kComment},
      {{L"\\a", L"\"t\"", L"две\r\nстроки", L"p"}, Reason::kQuoteConflict, Field::kTitle, Field::kComment},
      {{L"\\a\r", L"t", L"c", L"\"p\""}, Reason::kQuoteConflict, Field::kPicture, Field::kPath},
      {{L"\\a", L"t\n", L"\"", L"p,"}, Reason::kQuoteConflict, Field::kComment, Field::kTitle},
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
// Cyrillic, blanks at both ends, commas, CR, LF, CR LF, double quotes, empty fields,
// up to 1001 records. Each is written and read back, or refused untouched.
class RandomCatalogue {
 public:
  explicit RandomCatalogue(unsigned seed) : rng_(seed) {}

  std::vector<CatalogueEntry> Next(int index) {
    const int count = index % 20000 == 0 ? kSlotCount : Pick(5);
    const bool mayConflict = Pick(3) == 0;
    std::vector<CatalogueEntry> entries(static_cast<std::size_t>(count));
    for (CatalogueEntry& e : entries) {
      const bool breaks = Pick(2) == 0;
      const bool quotes = (mayConflict || !breaks) && Pick(3) == 0;
      for (std::wstring* field : {&e.path, &e.title, &e.comment, &e.picture}) *field = Field(breaks, quotes);
    }
    return entries;
  }

 private:
  int Pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }

  std::wstring Field(bool breaks, bool quotes) {
    static constexpr std::wstring_view kPlain = L"aZ9 .\\-«»№ОфисЁёя\u0098\t";
    static constexpr std::wstring_view kBreaks[] = {L",", L", ", L"\r", L"\n", L"\r\n", L"\n\r"};
    std::wstring text;
    for (int n = Pick(4) == 0 ? 0 : Pick(12); n > 0; --n) {
      const int kind = Pick(10);
      if (breaks && kind == 0) {
        text += kBreaks[Pick(static_cast<int>(std::size(kBreaks)))];
      } else if (quotes && kind == 1) {
        text += L'"';
      } else {
        text += kPlain[static_cast<std::size_t>(Pick(static_cast<int>(kPlain.size())))];
      }
    }
    return text;
  }

  std::mt19937 rng_;
};

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
  RandomCatalogue generator(20261207);
  int written = 0;
  int refused = 0;
  for (int i = 0; i < 100'000; ++i) {
    const std::vector<CatalogueEntry> entries = generator.Next(i);
    std::string bytes = "untouched";
    EncodeFailure failure;
    if (EncodeCatalogue(entries, bytes, failure)) {
      ++written;
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
  EXPECT_GT(refused, 5'000);
}

}  // namespace
}  // namespace discfront
