// A full catalogue for the editor's benchmarks: 1001 records with comments of about
// 900 characters, every fifth without a picture.
#pragma once

#include <string>
#include <vector>

#include "catalogue/catalogue_entry.h"
#include "catalogue/splitter.h"

namespace discfront::bench {

inline std::vector<CatalogueEntry> LongRecords() {
  const std::wstring phrase = L"Установка программы, драйверы и утилиты для диска. ";
  std::vector<CatalogueEntry> records;
  for (int i = 0; i < kSlotCount; ++i) {
    std::wstring comment;
    while (comment.size() < 900) comment += phrase;
    records.push_back({L"\\programs\\setup" + std::to_wstring(i) + L"\\setup.exe",
                       L"Программа номер " + std::to_wstring(i), comment,
                       i % 5 == 0 ? L"none" : L"\\pics\\p" + std::to_wstring(i) + L".bmp"});
  }
  return records;
}

}  // namespace discfront::bench
