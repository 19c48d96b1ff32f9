// Reading and writing whole catalogues for the editor.
#include "catalogue_file.h"

#include <vector>

#include "catalogue/item_reader.h"
#include "catalogue/splitter.h"

namespace discfront::editor {

OpenResult ReadCatalogueFile(std::string_view fileBytes) {
  const std::wstring text = JoinItems(fileBytes);
  std::vector<CatalogueEntry> records;
  const SplitResult split = SplitCatalogue(text, [&records](int slot, Field field, std::wstring_view value) {
    if (static_cast<std::size_t>(slot) >= records.size()) records.resize(static_cast<std::size_t>(slot) + 1);
    CatalogueEntry& entry = records[static_cast<std::size_t>(slot)];
    switch (field) {
      case Field::kPath: entry.path = value; break;
      case Field::kTitle: entry.title = value; break;
      case Field::kComment: entry.comment = value; break;
      case Field::kPicture: entry.picture = value; break;
    }
  });
  OpenResult result;
  if (split.ok()) {
    result.store.emplace(std::move(records));
    return result;
  }
  result.failure.kind = split.error == ErrorNumber::kSubscriptOutOfRange ? OpenFailure::Kind::kTooManyRecords
                                                                         : OpenFailure::Kind::kMalformedRecord;
  result.failure.slot = split.failedSlot;
  return result;
}

bool WriteCatalogueFile(const RecordStore& store, std::string& bytes, EncodeFailure& failure) {
  return EncodeCatalogue(store.Records(), bytes, failure);
}

}  // namespace discfront::editor
