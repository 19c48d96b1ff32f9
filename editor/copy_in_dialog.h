// Asks the author whether files from outside the disc folder are copied into it, and
// into which of its folders.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace discfront::editor {

// The folder inside the disc folder the author chose ("progs" at first; "" for the disc
// folder itself), without leading or trailing "\"; nothing when the author cancelled.
std::optional<std::wstring> AskCopyInFolder(HWND owner, const std::vector<std::wstring>& sources);

}  // namespace discfront::editor
