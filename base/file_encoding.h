// The encoding of a catalogue or description file. A file that starts with the UTF-8
// byte-order mark is UTF-8; every other file is Windows-1251, as every disc made
// before UTF-8 was allowed. Writing keeps Windows-1251 whenever every character has
// a byte there, so that older launchers still read the file, and takes UTF-8 with
// the mark only for text that needs it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace discfront {

enum class FileEncoding { kCp1251, kUtf8 };

FileEncoding DetectFileEncoding(std::string_view fileBytes);

// The bytes after the mark, if any: what the item reader reads.
std::string_view FileBody(std::string_view fileBytes);

// The text of a file's bytes in its own encoding.
std::wstring DecodeFile(std::string_view fileBytes);

// The file bytes of text, mark included when UTF-8, appended to out. Nothing, with out
// unchanged, when neither encoding holds a character (an unpaired surrogate).
std::optional<FileEncoding> EncodeFile(std::wstring_view text, std::string& out);

}  // namespace discfront
