// Small helpers shared by the record store tests.
#pragma once

#include <string>
#include <vector>

#include "editor/record_store.h"

namespace discfront::editor::test {

// A complete record whose every field names it.
inline CatalogueEntry Rec(const std::wstring& name) {
  return {L"\\" + name + L".exe", name, L"о " + name, L"\\" + name + L".bmp"};
}

// A store holding the given complete records, the first one being edited.
inline RecordStore StoreOf(const std::vector<std::wstring>& names) {
  std::vector<CatalogueEntry> records;
  for (const std::wstring& n : names) records.push_back(Rec(n));
  return RecordStore(records);
}

inline std::vector<std::wstring> Titles(const RecordStore& store) {
  std::vector<std::wstring> titles;
  for (const CatalogueEntry& e : store.Records()) titles.push_back(e.title);
  return titles;
}

}  // namespace discfront::editor::test
