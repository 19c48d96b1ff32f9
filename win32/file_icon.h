// The icon the system shows for a file or folder: a program's own, a document's file
// type's, a folder's.
#pragma once

#include <windows.h>

#include <string>

#include "win32/handles.h"

namespace win32 {

// The system's small icon for `path` when `size` (pixels) is no larger than the
// system's small icons, else its large one, for drawing at `size`; none when the
// system gives none. Reads the file: called from a window's message loop, one at a time.
UniqueIcon FileIcon(const std::wstring& path, int size);

}  // namespace win32
