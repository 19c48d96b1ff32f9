#include "win32/file_icon.h"

#include <shellapi.h>

namespace win32 {

UniqueIcon FileIcon(const std::wstring& path, int size) {
  // Shrunk from the large icon rather than stretched from the small one.
  const UINT which = size > GetSystemMetrics(SM_CXSMICON) ? SHGFI_LARGEICON : SHGFI_SMALLICON;
  SHFILEINFOW info{};
  if (SHGetFileInfoW(path.c_str(), 0, &info, sizeof(info), SHGFI_ICON | which) == 0) return UniqueIcon();
  return UniqueIcon(info.hIcon);
}

}  // namespace win32
