#include "catalogue/catalogue_reader.h"

#include "catalogue/item_reader.h"

namespace discfront {

CatalogueRead ReadCatalogueText(std::wstring_view text) {
  CatalogueRead read;
  bool titleOfLastRecordRead = false;
  read.split = SplitCatalogue(text, [&](int slot, Field field, std::wstring_view value) {
    const auto k = static_cast<std::size_t>(slot);
    if (k >= read.entries.size()) {
      read.entries.resize(k + 1);
      titleOfLastRecordRead = false;
    }
    FieldText(read.entries[k], field) = value;
    if (field == Field::kTitle) titleOfLastRecordRead = true;
  });
  const auto complete = static_cast<std::size_t>(read.split.records);
  if (read.entries.size() > complete && !titleOfLastRecordRead) read.entries.resize(complete);
  return read;
}

CatalogueRead ReadCatalogue(std::string_view fileBytes) { return ReadCatalogueText(JoinItems(fileBytes)); }

}  // namespace discfront
