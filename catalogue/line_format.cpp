#include "line_format.h"

#include "cp1251.h"

namespace discfront {

std::wstring FormatCatalogueLine(std::wstring_view path, std::wstring_view title,
                                 std::wstring_view comment, std::wstring_view picture) {
  std::wstring line;
  line.reserve(path.size() + title.size() + comment.size() + picture.size() + 6);
  line += L'&';
  line += path;
  line += L'#';
  line += title;
  line += L'$';
  line += comment;
  line += L'@';
  line += picture;
  line += L"\r\n";
  return line;
}

bool EncodeCatalogue(const std::vector<CatalogueEntry>& entries, std::string& out, EncodeFailure& failure) {
  std::string bytes;
  for (std::size_t slot = 0; slot < entries.size(); ++slot) {
    const CatalogueEntry& e = entries[slot];
    const std::wstring line = FormatCatalogueLine(e.path, e.title, e.comment, e.picture);
    const std::size_t bad = EncodeCp1251(line, bytes);
    if (bad != std::wstring_view::npos) {
      // Which field holds the character: count the separators in front of it.
      const std::size_t sizes[] = {e.path.size(), e.title.size(), e.comment.size()};
      std::size_t fieldEnd = 1;  // past the "&"
      int field = 0;
      for (; field < 3; ++field) {
        fieldEnd += sizes[field];
        if (bad < fieldEnd) break;
        ++fieldEnd;  // the separator
      }
      failure.slot = static_cast<int>(slot);
      failure.field = static_cast<Field>(field);
      return false;
    }
  }
  out = std::move(bytes);
  return true;
}

}  // namespace discfront
