// The notification icon's tip: at most 63 characters, never half a character.
#include <gtest/gtest.h>

#include <string>

#include "launcher/tray_tip.h"

namespace discfront {
namespace {

TEST(TrayTip, KeepsTheFirst63Characters) {
  const std::wstring sixtyThree(63, L'я');
  // A character outside the basic plane, as two UTF-16 units.
  const std::wstring pair = {wchar_t(0xD83D), wchar_t(0xDCBF)};
  const struct {
    std::wstring text;
    std::wstring tip;
  } cases[] = {
      {L"Korvel Discfront", L"Korvel Discfront"},
      {L"", L""},
      {sixtyThree, sixtyThree},
      {sixtyThree + L"ж", sixtyThree},
      {std::wstring(62, L'a') + pair + L"b", std::wstring(62, L'a') + pair},
      {std::wstring(63, L'a') + pair, std::wstring(63, L'a')},
  };
  for (const auto& c : cases) EXPECT_EQ(TrayTip(c.text), c.tip) << c.text.size();
}

}  // namespace
}  // namespace discfront
