// The item reader and the splitter on raw bytes (see reading_checks.h); a file that
// starts with the UTF-8 mark takes the UTF-8 path, every other one Windows-1251.
// At exit it prints "figure: catalogue_fuzz_execs = N inputs": the inputs read without a fault.
#include <cstdio>
#include <cstdlib>

#include "bench/fuzz/reading_checks.h"

namespace {

long long inputsRead = 0;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit([] {
    std::printf("figure: catalogue_fuzz_execs = %lld inputs\n", inputsRead);
    std::fflush(stdout);
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  discfront::fuzz::CheckReading(std::string_view(reinterpret_cast<const char*>(data), size));
  ++inputsRead;
  return 0;
}
