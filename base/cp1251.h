// Windows-1251, the encoding of catalogue and description files on every system,
// whatever the system's own code page.
//
// The byte 0x98 has no character in Windows-1251; it decodes to U+0098 and U+0098
// encodes back to it, so that every byte value survives a read and a write.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace discfront {

// The character of one byte.
wchar_t DecodeCp1251Byte(unsigned char byte);

std::wstring DecodeCp1251(std::string_view bytes);

// The byte of one character, or -1 when Windows-1251 has none for it.
int EncodeCp1251Char(wchar_t ch);

// Appends the bytes of text to out. Returns std::wstring_view::npos when every
// character was encoded, else the index of the first one that has no byte (out then
// holds the bytes of the characters before it).
std::size_t EncodeCp1251(std::wstring_view text, std::string& out);

}  // namespace discfront
