// Writes the project's artwork into a repository checkout:  discfront_art <repository root>
#include <cstdio>
#include <string>

#include "art/artwork.h"
#include "art/image_files.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: discfront_art <repository root>\n");
    return 2;
  }
  const std::string root = argv[1];
  int failures = 0;
  for (const auto& file : discfront::art::AllArtFiles()) {
    if (discfront::art::WriteFile(root + "/" + file.path, file.bytes)) {
      std::printf("wrote %s (%zu bytes)\n", file.path.c_str(), file.bytes.size());
    } else {
      std::fprintf(stderr, "cannot write %s\n", file.path.c_str());
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
