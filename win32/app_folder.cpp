#include "app_folder.h"

#include <windows.h>

namespace win32 {

std::wstring FolderOfFile(const std::wstring& programFile) {
  const std::size_t slash = programFile.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return std::wstring();
  std::wstring folder = programFile.substr(0, slash);
  if (folder.size() == 2 && folder[1] == L':') folder += L'\\';  // drive root
  return folder;
}

std::wstring ApplicationFolder() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length < name.size()) {
      name.resize(length);
      break;
    }
    name.resize(name.size() * 2);  // long path: try again with more room
  }
  return FolderOfFile(name);
}

}  // namespace win32
