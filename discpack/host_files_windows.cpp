// discpack's files on Windows (host_files.h).
#include "discpack/host_files.h"

#include <windows.h>

#include <algorithm>

#include "base/utf8.h"
#include "win32/handles.h"
#include "win32/long_path.h"
#include "win32/system_folder_source.h"
#include "win32/system_image_file.h"

namespace discfront::discpack {

bool IsFolder(const HostPath& path) {
  const DWORD attributes = GetFileAttributesW(DecodeUtf8(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::string> ReadFileStart(const HostPath& path, std::size_t limit) {
  const win32::UniqueHandle file(CreateFileW(DecodeUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                             nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return std::nullopt;
  std::string bytes;
  while (bytes.size() < limit) {
    const std::size_t at = bytes.size();
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(limit - at, 1 << 20));
    bytes.resize(at + want);
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + at, want, &got, nullptr)) return std::nullopt;
    bytes.resize(at + got);
    if (got == 0) break;
  }
  return bytes;
}

std::wstring FolderNameOf(const HostPath& folder) {
  std::wstring full = win32::FullPath(DecodeUtf8(folder));
  while (!full.empty() && (full.back() == L'\\' || full.back() == L'/')) full.pop_back();
  const std::wstring name = full.substr(full.find_last_of(L"\\/") + 1);
  return !name.empty() && name.back() == L':' ? std::wstring() : name;  // "D:" is a drive, not a name
}

std::unique_ptr<FolderSource> FolderSourceOf(const HostPath& folder) {
  return std::make_unique<win32::SystemFolderSource>(DecodeUtf8(folder));
}

std::unique_ptr<ImageFile> ImageFileOf(const HostPath& image) {
  return std::make_unique<win32::SystemImageFile>(DecodeUtf8(image));
}

bool ImageInsideFolder(const HostPath& image, const HostPath& folder) {
  return win32::InsideFolder(DecodeUtf8(image), DecodeUtf8(folder));
}

}  // namespace discfront::discpack
