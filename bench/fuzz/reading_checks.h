// What reading any bytes must keep, whatever the file holds: reading ends without a
// fault, its two paths (bytes and decoded text) agree, and the splitter hands over whole
// records in slot and field order. Shared by the Windows-1251 and the UTF-8 targets.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/cp1251.h"
#include "base/file_encoding.h"
#include "base/utf8.h"
#include "catalogue/item_reader.h"
#include "catalogue/splitter.h"

namespace discfront::fuzz {

inline void Fail(const char* what) {
  std::fprintf(stderr, "catalogue reader fault: %s\n", what);
  std::abort();
}

inline void CheckReading(std::string_view file) {
  const std::string joinedBytes = JoinItemBytes(file);
  const std::wstring joined = JoinItems(file);
  if (joinedBytes.size() > file.size()) Fail("the joined text is longer than the file");
  if (DetectFileEncoding(file) == FileEncoding::kCp1251) {
    if (joined != DecodeCp1251(joinedBytes)) Fail("decoded reading differs from reading the bytes");
  } else {
    // Items are decoded one by one: where every item is well-formed, decoding the joined
    // bytes must give the same text (a sequence cut by an item's end reads as U+FFFD).
    if (joined.find(L'\uFFFD') == std::wstring::npos && joined != DecodeUtf8(joinedBytes)) {
      Fail("UTF-8 items decoded otherwise");
    }
    for (wchar_t ch : joined) {
      if ((ch >= 0xD800 && ch <= 0xDFFF) || static_cast<unsigned long>(ch) > 0x10FFFF) Fail("not a character");
    }
  }

  int slot = 0;
  auto field = Field::kPath;
  const SplitResult result = SplitCatalogue(joined, [&](int s, Field f, std::wstring_view text) {
    if (s != slot || f != field) Fail("fields out of order");
    if (text.data() < joined.data() || text.data() + text.size() > joined.data() + joined.size()) {
      Fail("a field outside the catalogue text");
    }
    if (f == Field::kPicture) ++slot;
    field = f == Field::kPicture ? Field::kPath : static_cast<Field>(static_cast<int>(f) + 1);
  });
  if (result.records != slot) Fail("record count differs from the records handed over");
  long ampersands = 0;
  for (wchar_t ch : joined) ampersands += ch == L'&';
  if (result.ok() && result.records != ampersands) Fail("a sound catalogue lost records");
  if (!result.ok() && result.failedSlot != result.records) Fail("the failed slot is not the next record");
}

}  // namespace discfront::fuzz
