// discpack's output on Linux (console_text.h).
#include <unistd.h>

#include <cstdio>
#include <string>

#include "discpack/console_text.h"

namespace discfront::discpack {

void WriteText(Stream stream, std::wstring_view text) {
  const std::string bytes = Utf8Text(text);
  FILE* file = stream == Stream::kOut ? stdout : stderr;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fflush(file);
}

bool IsTerminal(Stream stream) { return isatty(stream == Stream::kOut ? 1 : 2) != 0; }

}  // namespace discfront::discpack
