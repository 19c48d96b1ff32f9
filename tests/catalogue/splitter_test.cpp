// Reading a catalogue: its items joined from the file's lines, then split into records.
#include "catalogue/splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/cp1251.h"
#include "catalogue/item_reader.h"
#include "catalogue/line_format.h"

namespace discfront {
namespace {

struct Handed {
  int slot;
  Field field;
  std::wstring text;
  bool operator==(const Handed&) const = default;
};

struct Recorder {
  std::vector<Handed> fields;
  FieldReceiver receiver() {
    return [this](int slot, Field f, std::wstring_view t) { fields.push_back({slot, f, std::wstring(t)}); };
  }
};

std::vector<Handed> Record(int slot, const wchar_t* p, const wchar_t* t, const wchar_t* c, const wchar_t* pic) {
  return {{slot, Field::kPath, p}, {slot, Field::kTitle, t}, {slot, Field::kComment, c}, {slot, Field::kPicture, pic}};
}

TEST(JoinItemBytes, JoinsTheItemsOfEveryKindOfFile) {
  const struct {
    const char* name;
    std::string file;
    std::string joined;
  } cases[] = {
      {"crlf", "one\r\ntwo\r\n", "onetwo"},
      {"mixed_line_ends", "a\r\n\r\nb\n\rc\r\rd", "abcd"},
      {"no_final_line_end", "one\r\ntwo", "onetwo"},
      {"empty_file", "", ""},
      {"comma_and_following_spaces_vanish", "Драйверы, утилиты", "Драйверыутилиты"},
      {"leading_spaces_of_a_line_vanish", "a\r\n   b", "ab"},
      {"trailing_spaces_stay", "a  \r\nb", "a  b"},
      {"quoted_item_keeps_commas", "\"a, b\",c", "a, bc"},
      {"quoted_item_after_spaces", "  \"x,y\"\r\n", "x,y"},
      {"text_after_closing_quote_stays", "\"Best\" tool, next", "Best toolnext"},
      {"quote_inside_item_stays", "say \"hi\", x", "say \"hi\"x"},
      {"line_end_between_quotes_stays", "\"a\r\nb\"", "a\r\nb"},
      {"unclosed_quote_runs_to_end", "\"a,b\r\nc", "a,b\r\nc"},
      {"only_separators", ",,\r\n,\n", ""},
      {"utf8_mark_belongs_to_no_item", "\xEF\xBB\xBF  \xCE\xA9,\"a,b\"", "\xCE\xA9" "a,b"},
  };
  for (const auto& c : cases) EXPECT_EQ(JoinItemBytes(c.file), c.joined) << c.name;
}

TEST(SplitCatalogue, WellFormedTexts) {
  struct Case {
    const wchar_t* text;
    std::vector<Handed> fields;
  } cases[] = {
      {L"just a title line # $ @", {}},                                  // no "&": no entries
      {L"Menu#x$y@z&a#b$c@d", Record(0, L"a", L"b", L"c", L"d")},        // text before the first "&"
      {L"&#$@", Record(0, L"", L"", L"", L"")},                          // separators alone: one empty entry
      {L"&a#b#c$d@e@f", Record(0, L"a", L"b#c", L"d", L"e@f")},          // the first "#" ends the path
  };
  for (const Case& c : cases) {
    Recorder r;
    const SplitResult result = SplitCatalogue(c.text, r.receiver());
    EXPECT_TRUE(result.ok()) << ::testing::PrintToString(std::wstring(c.text));
    EXPECT_EQ(result.records, static_cast<int>(c.fields.size() / 4));
    EXPECT_EQ(r.fields, c.fields);
  }
}

struct MalformedCase {
  const char* name;
  const wchar_t* text;
  int fieldsHandedInFailedRecord;
};

class MalformedRecord : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedRecord, StopsWithError5AfterTheFieldsBeforeTheFault) {
  Recorder r;
  const std::wstring text = std::wstring(L"&ok#t$c@p") + GetParam().text + L"&never#t$c@p";
  const SplitResult result = SplitCatalogue(text, r.receiver());
  EXPECT_EQ(result.error, ErrorNumber::kInvalidCall);
  EXPECT_EQ(result.failedSlot, 1);
  EXPECT_EQ(result.records, 1);
  ASSERT_EQ(static_cast<int>(r.fields.size()), 4 + GetParam().fieldsHandedInFailedRecord);
  for (std::size_t i = 4; i < r.fields.size(); ++i) {
    EXPECT_EQ(r.fields[i].slot, 1);
    EXPECT_EQ(r.fields[i].field, static_cast<Field>(i - 4));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedRecord,
    ::testing::Values(MalformedCase{"no_hash", L"&path$t@p", 0},
                      MalformedCase{"empty_record", L"&", 0},
                      MalformedCase{"no_dollar", L"&p#t@p", 1},
                      MalformedCase{"dollar_before_hash", L"&p$x#t@p", 1},
                      MalformedCase{"no_at", L"&p#t$c", 2},
                      MalformedCase{"at_before_dollar", L"&p#t@c$x", 2}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(SplitCatalogue, FinalAmpersandWithNothingAfterIsAnEmptyRecord) {
  Recorder r;
  const SplitResult result = SplitCatalogue(L"&a#b$c@d&", r.receiver());
  EXPECT_EQ(result.error, ErrorNumber::kInvalidCall);
  EXPECT_EQ(result.failedSlot, 1);
  EXPECT_EQ(r.fields.size(), 4u);
}

// 1002 records, one more than there are slots for; long comments put most of them far
// past any 16-bit position. Slot 1000 is read whole, record 1002 fails with error 9.
TEST(SplitCatalogue, LongRecordsAreReadWholeUpToSlot1000AndRecord1002FailsWithError9) {
  std::wstring text;
  const std::wstring comment(1500, L'ж');
  for (int i = 0; i < 1002; ++i) text += FormatCatalogueLine(L"\\p", L"t" + std::to_wstring(i), comment, L"none");
  std::string bytes;
  ASSERT_EQ(EncodeCp1251(text, bytes), std::wstring_view::npos);
  ASSERT_GT(bytes.size(), 1'000'000u);
  Recorder r;
  const SplitResult result = SplitCatalogue(JoinItems(bytes), r.receiver());
  EXPECT_EQ(result.error, ErrorNumber::kSubscriptOutOfRange);
  EXPECT_EQ(result.failedSlot, 1001);
  EXPECT_EQ(result.records, 1001);
  ASSERT_EQ(r.fields.size(), 4u * 1001);
  EXPECT_EQ(r.fields[4 * 1000 + 1].text, L"t1000");
  EXPECT_EQ(r.fields[4 * 1000 + 2].text, comment);
  EXPECT_EQ(r.fields.back(), (Handed{1000, Field::kPicture, L"none"}));
}

}  // namespace
}  // namespace discfront
