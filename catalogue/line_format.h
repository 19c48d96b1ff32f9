// Writing catalogues: one line per entry, "&" path "#" title "$" comment "@" picture CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_entry.h"
#include "splitter.h"

namespace discfront {

std::wstring FormatCatalogueLine(std::wstring_view path, std::wstring_view title,
                                 std::wstring_view comment, std::wstring_view picture);

// Where encoding a catalogue stopped: a character Windows-1251 cannot hold.
struct EncodeFailure {
  int slot = -1;
  Field field = Field::kPath;
};

// The file bytes of the entries, in Windows-1251. Returns false, with out unchanged
// and failure naming the first record and field concerned, when some character has
// no Windows-1251 byte: a catalogue is never written with characters silently replaced.
bool EncodeCatalogue(const std::vector<CatalogueEntry>& entries, std::string& out, EncodeFailure& failure);

}  // namespace discfront
