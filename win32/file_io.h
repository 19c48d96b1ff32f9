// Reading whole files, and the item text of catalogue and description files.
#pragma once

#include <string>

#include "base/error_number.h"

namespace win32 {

// Reads the whole file. A file (or folder) that does not exist is error 53; one that
// exists but cannot be read is error 75.
discfront::ErrorNumber ReadWholeFile(const std::wstring& fileName, std::string& bytes);

// The joined items of a Windows-1251 file, as both programs read catalogues and
// descriptions.
discfront::ErrorNumber ReadItemText(const std::wstring& fileName, std::wstring& text);

}  // namespace win32
