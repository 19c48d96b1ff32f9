#include "description_file.h"

#include "base/cp1251.h"
#include "catalogue/item_reader.h"
#include "catalogue/line_format.h"

namespace discfront::editor {
namespace {

// The bytes of the text as one item, or nothing when they would not read back whole.
std::optional<std::string> AsItem(std::wstring_view text, bool quoted) {
  std::wstring line;
  if (quoted) line += L'"';
  line += text;
  if (quoted) line += L'"';
  line += L"\r\n";
  std::string bytes;
  if (EncodeCp1251(line, bytes) != std::wstring_view::npos) return std::nullopt;
  if (JoinItems(bytes) != text) return std::nullopt;
  return bytes;
}

}  // namespace

DescriptionBytes EncodeDescription(std::wstring_view text) {
  DescriptionBytes result;
  if (text.empty()) {
    result.bytes.emplace();
    return result;
  }
  std::string scratch;
  if (EncodeCp1251(text, scratch) != std::wstring_view::npos) {
    result.refusal = DescriptionRefusal::kNoByte;
    return result;
  }
  // Bare where it reads back (as files made by hand are), quoted where a comma, a line
  // break or a blank at the start would otherwise be lost.
  if (!NeedsQuotes(text)) result.bytes = AsItem(text, false);
  if (!result.bytes) result.bytes = AsItem(text, true);
  result.refusal = DescriptionRefusal::kQuote;
  return result;
}

}  // namespace discfront::editor
