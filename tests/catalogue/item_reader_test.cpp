#include "catalogue/item_reader.h"

#include <gtest/gtest.h>

namespace discfront {
namespace {

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
  };
  for (const auto& c : cases) EXPECT_EQ(JoinItemBytes(c.file), c.joined) << c.name;
}

}  // namespace
}  // namespace discfront
