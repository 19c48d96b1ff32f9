// UTF-8, the encoding of catalogue and description files that hold characters
// Windows-1251 has not. Text is UTF-16 where wchar_t has 16 bits (Windows) and
// holds code points directly where it has 32.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace discfront {

// The byte-order mark that starts a UTF-8 file of ours.
inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Appends the characters of bytes to out. A byte that starts no well-formed
// sequence (a stray continuation, an overlong form, a surrogate, a cut-off
// sequence) reads as U+FFFD, one per byte, and reading goes on after it.
void AppendUtf8(std::string_view bytes, std::wstring& out);

std::wstring DecodeUtf8(std::string_view bytes);

// Appends the bytes of text to out. Returns std::wstring_view::npos when every
// character was encoded, else the index of the first one no UTF-8 holds: an
// unpaired surrogate, or a value above U+10FFFF (out then holds the bytes before it).
std::size_t EncodeUtf8(std::wstring_view text, std::string& out);

}  // namespace discfront
