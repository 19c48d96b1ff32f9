// Reading a whole catalogue into entries: the item reader joins the file's items,
// the splitter cuts the text into records, and each record becomes a CatalogueEntry.
// Both programs read catalogues through this one operation.
#pragma once

#include <string_view>
#include <vector>

#include "catalogue/catalogue_entry.h"
#include "catalogue/splitter.h"

namespace discfront {

struct CatalogueRead {
  // Slot k is entries[k]. After a failure this holds the records read completely
  // and, last, the record that failed when its title had already been read (with
  // the fields after the fault left empty): the launcher lists a title the moment
  // it is read, so such a title is on the list when the failure is reported.
  std::vector<CatalogueEntry> entries;
  SplitResult split;

  bool ok() const { return split.ok(); }
};

// The entries of a catalogue text (the joined items of a file).
CatalogueRead ReadCatalogueText(std::wstring_view text);

// The entries of a catalogue file's bytes: UTF-8 after its mark, else Windows-1251.
CatalogueRead ReadCatalogue(std::string_view fileBytes);

}  // namespace discfront
