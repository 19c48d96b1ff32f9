#include "long_path.h"

#include <windows.h>

namespace win32 {

std::wstring FullPath(const std::wstring& path) {
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return path;
    if (length < full.size()) {
      full.resize(length);
      return full;
    }
    full.resize(length);
  }
}

std::wstring CallablePath(const std::wstring& fullPath) {
  if (fullPath.size() < MAX_PATH || fullPath.starts_with(L"\\\\?\\")) return fullPath;
  if (fullPath.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + fullPath.substr(2);
  return L"\\\\?\\" + fullPath;
}

}  // namespace win32
