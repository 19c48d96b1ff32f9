// The UTF-8 path of the item reader and the splitter: every input is read as a file
// that starts with the UTF-8 mark, so malformed sequences of every kind reach the decoder
// (see reading_checks.h). At exit it prints "figure: catalogue_fuzz_utf8_execs = N inputs".
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/fuzz/reading_checks.h"

namespace {

long long inputsRead = 0;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit([] {
    std::printf("figure: catalogue_fuzz_utf8_execs = %lld inputs\n", inputsRead);
    std::fflush(stdout);
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  std::string file(discfront::kUtf8Mark);
  file.append(reinterpret_cast<const char*>(data), size);
  discfront::fuzz::CheckReading(file);
  ++inputsRead;
  return 0;
}
