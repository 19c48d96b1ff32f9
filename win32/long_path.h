// Paths for the file calls that walk a disc folder, which may be deeper than the
// system's usual limit of MAX_PATH characters.
#pragma once

#include <string>

namespace win32 {

// The full path (GetFullPathNameW): relative parts resolved, '/' read as '\'. The
// path as given when the system cannot resolve it.
std::wstring FullPath(const std::wstring& path);

// A full path as the file calls take it: as it is while it is short, and from
// MAX_PATH characters on with the prefix that lifts the limit ("\\?\", or "\\?\UNC\"
// for a network path), where the calls would otherwise fail.
std::wstring CallablePath(const std::wstring& fullPath);

}  // namespace win32
