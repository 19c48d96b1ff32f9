#include "catalogue/item_reader.h"

#include <gtest/gtest.h>

namespace discfront {
namespace {

struct ItemCase {
  const char* name;
  std::string file;
  std::string joined;
};

class ItemReaderTest : public ::testing::TestWithParam<ItemCase> {};

TEST_P(ItemReaderTest, JoinsItems) { EXPECT_EQ(JoinItemBytes(GetParam().file), GetParam().joined); }

INSTANTIATE_TEST_SUITE_P(
    Cases, ItemReaderTest,
    ::testing::Values(
        ItemCase{"crlf", "one\r\ntwo\r\n", "onetwo"},
        ItemCase{"lone_cr", "one\rtwo\r", "onetwo"},
        ItemCase{"lone_lf", "one\ntwo\n", "onetwo"},
        ItemCase{"mixed_line_ends", "a\r\n\r\nb\n\rc\r\rd", "abcd"},
        ItemCase{"no_final_line_end", "one\r\ntwo", "onetwo"},
        ItemCase{"empty_file", "", ""},
        ItemCase{"comma_and_following_spaces_vanish", "Драйверы, утилиты", "Драйверыутилиты"},
        ItemCase{"leading_spaces_of_a_line_vanish", "a\r\n   b", "ab"},
        ItemCase{"trailing_spaces_stay", "a  \r\nb", "a  b"},
        ItemCase{"quoted_item_keeps_commas", "\"a, b\",c", "a, bc"},
        ItemCase{"quoted_item_after_spaces", "  \"x,y\"\r\n", "x,y"},
        ItemCase{"text_after_closing_quote_stays", "\"Best\" tool, next", "Best toolnext"},
        ItemCase{"quote_inside_item_stays", "say \"hi\", x", "say \"hi\"x"},
        ItemCase{"line_end_between_quotes_stays", "\"a\r\nb\"", "a\r\nb"},
        ItemCase{"unclosed_quote_runs_to_end", "\"a,b\r\nc", "a,b\r\nc"},
        ItemCase{"only_separators", ",,\r\n,\n", ""}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace discfront
