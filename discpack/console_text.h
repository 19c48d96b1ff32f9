// discpack's output. Lines are written with "\n"; on Windows a console gets them as
// UTF-16 through the console itself (so any code page shows every character), and
// a file or pipe gets UTF-8 with "\r\n" line ends. Elsewhere the output is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace discfront::discpack {

enum class Stream { kOut, kError };

void WriteText(Stream stream, std::wstring_view text);

// Whether the stream is a terminal or console that a progress line may redraw.
bool IsTerminal(Stream stream);

// text in UTF-8; a lone surrogate (a name may hold one on Windows) becomes U+FFFD.
std::string Utf8Text(std::wstring_view text);

}  // namespace discfront::discpack
