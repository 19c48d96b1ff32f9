// The item reader and the splitter on raw bytes: whatever a file holds, reading ends
// without a fault, its two paths (bytes and decoded text) agree, and the splitter hands
// over whole records in slot and field order.
// At exit it prints "figure: catalogue_fuzz_execs = N inputs": the inputs read without a fault.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/cp1251.h"
#include "catalogue/item_reader.h"
#include "catalogue/splitter.h"

namespace {

using namespace discfront;

long long inputsRead = 0;

void Fail(const char* what) {
  std::fprintf(stderr, "catalogue reader fault: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit([] {
    std::printf("figure: catalogue_fuzz_execs = %lld inputs\n", inputsRead);
    std::fflush(stdout);
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  const std::string joinedBytes = JoinItemBytes(file);
  const std::wstring joined = JoinItems(file);
  if (joinedBytes.size() > file.size()) Fail("the joined text is longer than the file");
  if (joined != DecodeCp1251(joinedBytes)) Fail("decoded reading differs from reading the bytes");

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
  ++inputsRead;
  return 0;
}
