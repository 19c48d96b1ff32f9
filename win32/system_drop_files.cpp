#include "win32/system_drop_files.h"

#include <windows.h>

#include "win32/handles.h"
#include "win32/program_file.h"
#include "win32/system_file_probe.h"

namespace win32 {

discfront::PathKind SystemDropFiles::Probe(const std::wstring& path) const { return SystemFileProbe().Probe(path); }

std::vector<std::wstring> SystemDropFiles::List(const std::wstring& folder) const {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  const UniqueFind search(FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (!search) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(search.get(), &found));
  return names;
}

std::unique_ptr<discfront::ByteSource> SystemDropFiles::Open(const std::wstring& path) const {
  return OpenFileBytes(path);
}

}  // namespace win32
