// Writes frontsmith.ico from its drawing. Run after changing the drawing and commit
// the result:
//   tools/configure.sh native --target frontsmith_art && build/native/editor/frontsmith_art art/frontsmith/frontsmith.ico
#include <cstdio>
#include <fstream>

#include "frontsmith_icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: frontsmith_art OUTPUT.ico\n");
    return 2;
  }
  const std::string bytes = frontsmith_art::DrawIconFile();
  std::ofstream out(argv[1], std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return out ? 0 : 1;
}
