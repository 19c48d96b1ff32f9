// The program reader on raw bytes: whatever a file holds, reading its headers, resource
// directory, manifest and version texts ends without a fault, and a file found not to be a program
// reports nothing else about itself. Seeded with the tests' program files.
// At exit it prints "figure: pe_reader_fuzz_execs = N inputs": the inputs read without a fault.
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string_view>

#include "disc/manifest_level.h"
#include "disc/program_image.h"
#include "disc/version_text.h"

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
  ReadVersionTitle(MemoryBytes(std::span(data, size)), 0x0419);
  // The same bytes as a manifest's text and as a version resource.
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  RequestedExecutionLevel(text);
  VersionTitle(text, 0x0409);
  ++inputsRead;
  return 0;
}
