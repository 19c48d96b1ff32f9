// discpack's output on Windows (console_text.h).
#include <windows.h>

#include <string>

#include "discpack/console_text.h"

namespace discfront::discpack {
namespace {

HANDLE HandleOf(Stream stream) { return GetStdHandle(stream == Stream::kOut ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE); }

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

}  // namespace

void WriteText(Stream stream, std::wstring_view text) {
  const HANDLE handle = HandleOf(stream);
  std::wstring lines;
  for (const wchar_t c : text) {
    if (c == L'\n') lines += L'\r';
    lines += c;
  }
  if (IsConsole(handle)) {
    for (std::size_t at = 0; at < lines.size();) {
      DWORD written = 0;
      const auto chunk = static_cast<DWORD>(std::min<std::size_t>(lines.size() - at, 8192));
      if (!WriteConsoleW(handle, lines.data() + at, chunk, &written, nullptr) || written == 0) return;
      at += written;
    }
    return;
  }
  const std::string bytes = Utf8Text(lines);
  for (std::size_t at = 0; at < bytes.size();) {
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data() + at, static_cast<DWORD>(bytes.size() - at), &written, nullptr) || written == 0) {
      return;
    }
    at += written;
  }
}

bool IsTerminal(Stream stream) { return IsConsole(HandleOf(stream)); }

}  // namespace discfront::discpack
