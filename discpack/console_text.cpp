// What discpack's output shares on every system (console_text.h).
#include "discpack/console_text.h"

#include "base/utf8.h"

namespace discfront::discpack {

std::string Utf8Text(std::wstring_view text) {
  std::string bytes;
  for (std::size_t at = 0;;) {
    const std::size_t bad = EncodeUtf8(text.substr(at), bytes);
    if (bad == std::wstring_view::npos) return bytes;
    bytes += "\xEF\xBF\xBD";
    at += bad + 1;
  }
}

}  // namespace discfront::discpack
