// The system's common Open and Save As dialogs.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace win32 {

struct FileDialogOptions {
  // Pairs of description and pattern separated by "|", e.g. "Text (*.txt)|*.txt".
  std::wstring_view filter;
  std::wstring_view defaultExtension;  // without the dot; empty for none
  std::wstring initialName;            // file name (with folder) to start from
};

// The chosen file's full name, or nothing when the user cancelled.
std::optional<std::wstring> ShowOpenDialog(HWND owner, const FileDialogOptions& options);
// Asks before an existing file is replaced.
std::optional<std::wstring> ShowSaveDialog(HWND owner, const FileDialogOptions& options);

}  // namespace win32
