// Writes the editor's icons from their drawings into a folder: frontsmith.ico (the
// program) and about.ico (its About dialog). Run after changing a drawing and commit
// the results:
//   tools/configure.sh native --target frontsmith_art && build/native/editor/frontsmith_art art/frontsmith
#include <cstdio>
#include <fstream>
#include <string>

#include "about_icon.h"
#include "frontsmith_icon.h"

namespace {

bool Write(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: frontsmith_art FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  const bool ok = Write(folder + "/frontsmith.ico", frontsmith_art::DrawIconFile()) &&
                  Write(folder + "/about.ico", frontsmith_art::DrawAboutIconFile());
  return ok ? 0 : 1;
}
