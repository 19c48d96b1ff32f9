// Reading whole files, and the item text of catalogue and description files.
#pragma once

#include <cstdint>
#include <string>

#include "base/error_number.h"

namespace win32 {

// Reads the whole file. A file (or folder) that does not exist is error 53; one that
// exists but cannot be read (or holds 2 GiB or more) is error 75; one of more than
// maxBytes is error 7, refused before anything is read.
discfront::ErrorNumber ReadWholeFile(const std::wstring& fileName, std::string& bytes,
                                     std::uint64_t maxBytes = 0x7FFFFFFF);

// The joined items of a catalogue or description file (Windows-1251, or UTF-8 when it
// starts with the mark), as both programs read catalogues and
// descriptions.
discfront::ErrorNumber ReadItemText(const std::wstring& fileName, std::wstring& text);

}  // namespace win32
