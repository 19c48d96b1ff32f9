// The line format's writing side: bare lines where they read back whole, quoted ones
// where a comma or a line break would otherwise vanish.
#include "catalogue/line_format.h"

#include <array>
#include <utility>

namespace discfront {
namespace {

constexpr std::wstring_view kBreaks = L",\r\n";  // what ends an unquoted item

bool LineNeedsQuotes(std::wstring_view path, std::wstring_view title, std::wstring_view comment,
                     std::wstring_view picture) {
  for (std::wstring_view field : {path, title, comment, picture}) {
    if (discfront::NeedsQuotes(field)) return true;
  }
  return false;
}

// The fields in the order the line holds them.
std::array<const std::wstring*, 4> InLineOrder(const CatalogueEntry& e) {
  return {&e.path, &e.title, &e.comment, &e.picture};
}

}  // namespace

bool NeedsQuotes(std::wstring_view text) { return text.find_first_of(kBreaks) != std::wstring_view::npos; }

std::wstring FormatCatalogueLine(std::wstring_view path, std::wstring_view title,
                                 std::wstring_view comment, std::wstring_view picture) {
  const bool quoted = LineNeedsQuotes(path, title, comment, picture);
  std::wstring line;
  line.reserve(path.size() + title.size() + comment.size() + picture.size() + 8);
  if (quoted) line += L'"';
  line += L'&';
  line += path;
  line += L'#';
  line += title;
  line += L'$';
  line += comment;
  line += L'@';
  line += picture;
  if (quoted) line += L'"';
  line += L"\r\n";
  return line;
}

std::optional<QuoteConflict> FindQuoteConflict(const CatalogueEntry& entry) {
  std::optional<Field> quoteField;
  std::optional<Field> breakField;
  int field = 0;
  for (const std::wstring* text : InLineOrder(entry)) {
    if (!quoteField && text->find(L'"') != std::wstring::npos) quoteField = static_cast<Field>(field);
    if (!breakField && NeedsQuotes(*text)) breakField = static_cast<Field>(field);
    ++field;
  }
  if (!quoteField || !breakField) return std::nullopt;
  return QuoteConflict{*quoteField, *breakField};
}

bool EncodeCatalogue(const std::vector<CatalogueEntry>& entries, std::string& out, EncodeFailure& failure,
                     FileEncoding* written) {
  std::wstring text;
  for (std::size_t slot = 0; slot < entries.size(); ++slot) {
    const CatalogueEntry& e = entries[slot];
    if (const std::optional<QuoteConflict> conflict = FindQuoteConflict(e)) {
      failure = {static_cast<int>(slot), conflict->quoteField, EncodeFailure::Reason::kQuoteConflict,
                 conflict->breakField};
      return false;
    }
    text += FormatCatalogueLine(e.path, e.title, e.comment, e.picture);
  }
  std::string bytes;
  if (const std::optional<FileEncoding> encoding = EncodeFile(text, bytes)) {
    if (written != nullptr) *written = *encoding;
    out = std::move(bytes);
    return true;
  }
  // A character no encoding holds: the fields one by one tell which record and field.
  for (std::size_t slot = 0; slot < entries.size(); ++slot) {
    int field = 0;
    for (const std::wstring* fieldText : InLineOrder(entries[slot])) {
      std::string scratch;
      if (!EncodeFile(*fieldText, scratch)) {
        failure = {static_cast<int>(slot), static_cast<Field>(field), EncodeFailure::Reason::kNoByte, Field::kPath};
        return false;
      }
      ++field;
    }
  }
  failure = {-1, Field::kPath, EncodeFailure::Reason::kNoByte, Field::kPath};
  return false;
}

}  // namespace discfront
