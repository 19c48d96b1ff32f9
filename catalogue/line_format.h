// Writing catalogues: one line per entry, "&" path "#" title "$" comment "@" picture CR LF.
//
// Every line is written so that the item reader gives its record back whole:
//
// - A line whose fields hold no comma, CR or LF is written bare, exactly as it always
//   was: "&" path "#" title "$" comment "@" picture CR LF. It starts with "&", so the
//   reader neither skips blanks in front of it nor takes it for a quoted item, and with
//   no comma or line end inside it, everything up to its CR LF is one item, kept as it
//   is: blanks at both ends of a field and double quotes inside it included.
// - A line with a comma, CR or LF in any field is written between double quotes:
//   '"' "&" path "#" title "$" comment "@" picture '"' CR LF. The reader keeps all that
//   stands between the two quotes (commas, blanks, CR, LF) and nothing stands between
//   the closing quote and the line end.
// - A quoted line cannot carry a double quote: the first one would end the quoted item
//   early, and a comma or line break after it would vanish. Such a record is refused
//   (a QuoteConflict) and nothing of the catalogue is written.
//
// The record comes back through the splitter as it went in as long as its fields hold
// none of the separators "&", "#", "$", "@" (which the editor refuses) or hold them only
// where a reading put them (a later separator stays in the following field).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_encoding.h"
#include "catalogue/catalogue_entry.h"
#include "catalogue/splitter.h"

namespace discfront {

// Whether text written as one item must stand between double quotes to read back
// whole: it holds a comma, CR or LF, which would end an unquoted item. The rule of
// catalogue lines, and of the description file.
bool NeedsQuotes(std::wstring_view text);

// The entry's line, quoted when a field holds a comma, CR or LF. A line that
// FindQuoteConflict refuses would not read back whole: check before writing it.
std::wstring FormatCatalogueLine(std::wstring_view path, std::wstring_view title,
                                 std::wstring_view comment, std::wstring_view picture);

// Why an entry cannot be written so that it reads back whole: a double quote in a
// line that must be quoted.
struct QuoteConflict {
  Field quoteField;  // the first field holding a double quote
  Field breakField;  // the first field holding the comma, CR or LF that needs the quotes
};

std::optional<QuoteConflict> FindQuoteConflict(const CatalogueEntry& entry);

// Why a catalogue was not encoded: the record and the field to change.
struct EncodeFailure {
  enum class Reason {
    kNoByte,         // a character no file encoding holds (an unpaired surrogate)
    kQuoteConflict,  // a double quote in a line that must be quoted
  };
  int slot = -1;
  Field field = Field::kPath;       // the field with the character, or with the double quote
  Reason reason = Reason::kNoByte;
  Field breakField = Field::kPath;  // kQuoteConflict: the field with the comma or line break
};

// The file bytes of the entries: Windows-1251 when every character has a byte there,
// else UTF-8 with its mark (written, when asked for, says which). Returns false, with
// out unchanged and failure naming the first record concerned, when a record cannot be
// written so that it reads back whole: a catalogue is never written with characters
// silently replaced or with a record that would read back otherwise.
bool EncodeCatalogue(const std::vector<CatalogueEntry>& entries, std::string& out, EncodeFailure& failure,
                     FileEncoding* written = nullptr);

}  // namespace discfront
