// The search restriction came to Windows 7 with an update, so it is looked up rather
// than imported: an unpatched system still starts the programs, and falls back to
// naming the system folder in full.
#include "win32/library_search.h"

#include <string>

namespace win32 {
namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

SetDefaultDllDirectoriesFunction SetDefaultDllDirectoriesEntry() {
  static const auto entry = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  return entry;
}

}  // namespace

void RestrictLibrarySearchToSystem() {
  const SetDefaultDllDirectoriesFunction restrict = SetDefaultDllDirectoriesEntry();
  if (restrict != nullptr && restrict(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
  SetDllDirectoryW(L"");  // at least the current folder leaves the search
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
  if (SetDefaultDllDirectoriesEntry() != nullptr) return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return LoadLibraryExW((std::wstring(folder, length) + L"\\" + name).c_str(), nullptr, 0);
}

}  // namespace win32
