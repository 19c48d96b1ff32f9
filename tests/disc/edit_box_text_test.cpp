#include "disc/edit_box_text.h"

#include <gtest/gtest.h>

namespace discfront {
namespace {

TEST(EditBoxText, EveryLineBreakBecomesCrLfOrTheGivenText) {
  struct Case {
    std::wstring_view text;
    std::wstring_view editBox;
    std::wstring_view oneLine;  // breaks replaced by blanks
  };
  const Case cases[] = {
      {L"a\r\nb", L"a\r\nb", L"a b"},
      {L"a\rb\nc", L"a\r\nb\r\nc", L"a b c"},
      {L"a\n\rb", L"a\r\n\r\nb", L"a  b"},  // LF then CR: two breaks
      {L"\r\n\r\n", L"\r\n\r\n", L"  "},
      {L" a \r", L" a \r\n", L" a  "},
      {L"", L"", L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EditBoxText(c.text), c.editBox);
    EXPECT_EQ(ReplaceLineBreaks(c.text, L" "), c.oneLine);
  }
}

}  // namespace
}  // namespace discfront
