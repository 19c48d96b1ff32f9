#include "description_file.h"

#include "catalogue/item_reader.h"
#include "catalogue/line_format.h"

namespace discfront::editor {
namespace {

// The bytes of the text as one item, or nothing when they would not read back whole.
std::optional<std::string> AsItem(std::wstring_view text, bool quoted, FileEncoding& encoding) {
  std::wstring line;
  if (quoted) line += L'"';
  line += text;
  if (quoted) line += L'"';
  line += L"\r\n";
  std::string bytes;
  const std::optional<FileEncoding> written = EncodeFile(line, bytes);
  if (!written || JoinItems(bytes) != text) return std::nullopt;
  encoding = *written;
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
  if (!EncodeFile(text, scratch)) {
    result.refusal = DescriptionRefusal::kNoByte;
    return result;
  }
  // Bare where it reads back (as files made by hand are), quoted where a comma, a line
  // break or a blank at the start would otherwise be lost.
  if (!NeedsQuotes(text)) result.bytes = AsItem(text, false, result.encoding);
  if (!result.bytes) result.bytes = AsItem(text, true, result.encoding);
  result.refusal = DescriptionRefusal::kQuote;
  return result;
}

}  // namespace discfront::editor
