// autorun.inf as the system's autoplay reads it: the action it offers for a removable drive.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "editor/autorun_file.h"

namespace discfront::editor {
namespace {

// The value of `key` in the UTF-16 little-endian file, or nothing when no line sets it.
std::optional<std::u16string> Value(const std::string& bytes, const std::u16string& key) {
  std::u16string text(bytes.size() / 2, u'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * 2);
  const std::u16string start = u"\r\n" + key + u"=";
  const std::size_t at = text.find(start);
  if (at == std::u16string::npos) return std::nullopt;
  const std::size_t value = at + start.size();
  return text.substr(value, text.find(u"\r\n", value) - value);
}

TEST(AutorunFile, OffersTheDiscTitleAsTheAutoplayAction) {
  struct Case {
    const wchar_t* label;
    std::u16string action;
  } cases[] = {
      {L"Офис 2026", u"Офис 2026"},
      {L"Диск №1\r\nдва", u"Диск №1 два"},
      {L"", u"Korvel Discfront"},  // a drive's root has no name: the launcher's own
  };
  for (const Case& c : cases) EXPECT_EQ(Value(AutorunFileBytes(c.label), u"action"), c.action);
}

}  // namespace
}  // namespace discfront::editor
