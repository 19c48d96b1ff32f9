// The application folder: where the running program file lies.
#pragma once

#include <string>

namespace win32 {

// The folder of the running program file, without a trailing backslash except at
// the root of a drive (D:\). Data file names are formed by appending a name that
// starts with a backslash, so at a drive root they hold a doubled backslash, which
// the file system accepts.
std::wstring ApplicationFolder();

// The folder part of a full file name, by the same rule.
std::wstring FolderOfFile(const std::wstring& programFile);

}  // namespace win32
