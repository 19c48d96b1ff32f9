// Replacing a file's contents so that a failure never leaves it half written: the
// new bytes go to a temporary file in the same folder, which replaces the old file
// only once it is complete and flushed.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win32 {

struct FileWriteResult {
  bool ok = false;
  DWORD error = ERROR_SUCCESS;  // the system's error code on failure
  std::wstring reason;          // Russian description of the failure
};

FileWriteResult ReplaceFileContents(const std::wstring& fileName, std::string_view bytes);

// Why a file could not be written, in Russian words for the usual reasons and the
// system's own words for the rest.
std::wstring DescribeSystemError(DWORD error);

}  // namespace win32
