// Reading and writing whole catalogues for the editor.
#include "catalogue_file.h"

#include "catalogue/catalogue_reader.h"

namespace discfront::editor {

OpenResult ReadCatalogueFile(std::string_view fileBytes) {
  CatalogueRead read = ReadCatalogue(fileBytes);
  const SplitResult& split = read.split;
  OpenResult result;
  if (split.ok()) {
    result.store.emplace(std::move(read.entries));
    return result;
  }
  result.failure.kind = split.error == ErrorNumber::kSubscriptOutOfRange ? OpenFailure::Kind::kTooManyRecords
                                                                         : OpenFailure::Kind::kMalformedRecord;
  result.failure.slot = split.failedSlot;
  return result;
}

bool WriteCatalogueFile(const RecordStore& store, std::string& bytes, EncodeFailure& failure,
                        FileEncoding* written) {
  return EncodeCatalogue(store.Records(), bytes, failure, written);
}

}  // namespace discfront::editor
