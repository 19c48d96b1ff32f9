// The program reader on raw bytes: whatever a file holds, reading its headers, resource
// directory and manifest ends without a fault, and a file found not to be a program
// reports nothing else about itself. Seeded with the tests' program files.
// At exit it prints "figure: pe_reader_fuzz_execs = N inputs": the inputs read without a fault.
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string_view>

#include "disc/manifest_level.h"
#include "disc/program_image.h"

namespace {

long long inputsRead = 0;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit([] {
    std::printf("figure: pe_reader_fuzz_execs = %lld inputs\n", inputsRead);
    std::fflush(stdout);
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  using namespace discfront;
  const ProgramImage image = ReadProgramImage(MemoryBytes(std::span(data, size)));
  if (!image.valid && image != ProgramImage{}) {
    std::fprintf(stderr, "program reader fault: a file that is no program reports a machine or rights\n");
    std::abort();
  }
  // The same bytes as a manifest's text.
  RequestedExecutionLevel(std::string_view(reinterpret_cast<const char*>(data), size));
  ++inputsRead;
  return 0;
}
