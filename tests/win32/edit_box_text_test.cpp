// How catalogue and description text is shown in the programs' edit boxes and lists.
#include <gtest/gtest.h>

#include "win32/edit_box_text.h"

namespace win32 {
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
}  // namespace win32
