// The round trip: records of text the editor accepts (any character but the four
// separators: Windows-1251 text in some inputs, text of any script, written as UTF-8,
// in the others) are written and read back. A catalogue is either refused untouched,
// naming a record that really cannot be written whole, or reads back exactly. Refused
// records are dropped and the rest is written again, so every input makes one round trip.
// At exit it prints "figure: catalogue_roundtrip_lossy = L of N records".
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/cp1251.h"
#include "base/utf8.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/line_format.h"

namespace {

using namespace discfront;

long long recordsRoundTripped = 0;

void PrintFigure(int lossy) {
  std::printf("figure: catalogue_roundtrip_lossy = %d of %lld records\n", lossy, recordsRoundTripped);
  std::fflush(stdout);
}

void Lossy(const char* what) {
  std::fprintf(stderr, "catalogue round trip fault: %s\n", what);
  PrintFigure(1);
  std::abort();
}

std::wstring EditorText(const std::string& bytes, bool anyScript) {
  std::wstring text = anyScript ? DecodeUtf8(bytes) : DecodeCp1251(bytes);
  std::erase_if(text, [](wchar_t ch) { return ch == L'&' || ch == L'#' || ch == L'$' || ch == L'@'; });
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit([] { PrintFigure(0); });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  std::vector<CatalogueEntry> entries;
  const bool anyScript = in.ConsumeBool();
  while (in.remaining_bytes() > 0 && entries.size() < static_cast<std::size_t>(kSlotCount)) {
    CatalogueEntry e;
    for (std::wstring* f : {&e.path, &e.title, &e.comment, &e.picture}) *f = EditorText(in.ConsumeRandomLengthString(64), anyScript);
    entries.push_back(std::move(e));
  }

  const std::string untouched = "untouched";
  std::string bytes = untouched;
  EncodeFailure failure;
  while (!EncodeCatalogue(entries, bytes, failure)) {
    if (bytes != untouched) Lossy("a refused catalogue was written");
    if (failure.reason != EncodeFailure::Reason::kQuoteConflict || failure.slot < 0 ||
        static_cast<std::size_t>(failure.slot) >= entries.size()) {
      Lossy("a refusal names no record that holds a double quote and a comma or line break");
    }
    const CatalogueEntry& refused = entries[static_cast<std::size_t>(failure.slot)];
    if (FieldText(refused, failure.field).find(L'"') == std::wstring::npos ||
        FieldText(refused, failure.breakField).find_first_of(L",\r\n") == std::wstring::npos) {
      Lossy("a record was refused that could be written whole");
    }
    entries.erase(entries.begin() + failure.slot);
  }
  const CatalogueRead read = ReadCatalogue(bytes);
  if (!read.ok() || read.entries != entries) Lossy("the catalogue read back differs from what was written");
  recordsRoundTripped += static_cast<long long>(entries.size());
  return 0;
}
