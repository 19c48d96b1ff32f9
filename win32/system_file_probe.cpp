#include "win32/system_file_probe.h"

#include <windows.h>

namespace win32 {

discfront::PathKind SystemFileProbe::Probe(const std::wstring& path) const {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return discfront::PathKind::kMissing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? discfront::PathKind::kFolder : discfront::PathKind::kFile;
}

}  // namespace win32
