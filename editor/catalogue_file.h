// Catalogue files to and from the record store, through the shared catalogue
// component only: the bytes of a file become a whole store or a reason why not.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/line_format.h"
#include "record_store.h"

namespace discfront::editor {

struct OpenFailure {
  enum class Kind { kMalformedRecord, kTooManyRecords };
  Kind kind = Kind::kMalformedRecord;
  int slot = -1;  // the record at which the reading stopped
};

struct OpenResult {
  std::optional<RecordStore> store;  // set when the file was read whole
  OpenFailure failure;               // otherwise, why not
};

// Reads the bytes of a catalogue file. A file is taken whole or not at all, so an
// Open that fails leaves the catalogue being edited as it was.
OpenResult ReadCatalogueFile(std::string_view fileBytes);

// The file bytes of the store's records. False, naming the record and field, when a
// record cannot be written so that it reads back whole. Windows-1251 when every
// character has a byte there, else UTF-8 with its mark (written says which).
bool WriteCatalogueFile(const RecordStore& store, std::string& bytes, EncodeFailure& failure,
                        FileEncoding* written = nullptr);

}  // namespace discfront::editor
