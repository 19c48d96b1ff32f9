#include "file_io.h"

#include <windows.h>

#include <cstdint>

#include "catalogue/item_reader.h"
#include "handles.h"

namespace win32 {

using discfront::ErrorNumber;

ErrorNumber ReadWholeFile(const std::wstring& fileName, std::string& bytes, std::uint64_t maxBytes) {
  UniqueHandle file(CreateFileW(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file.valid()) {
    const DWORD error = GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
                         error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH ||
                         error == ERROR_INVALID_DRIVE;
    return missing ? ErrorNumber::kFileNotFound : ErrorNumber::kPathFileAccess;
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return ErrorNumber::kPathFileAccess;
  if (static_cast<std::uint64_t>(size.QuadPart) > maxBytes) return ErrorNumber::kOutOfMemory;
  std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < content.size()) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(content.size() - done);
    if (!ReadFile(file.get(), content.data() + done, want, &got, nullptr)) return ErrorNumber::kPathFileAccess;
    if (got == 0) break;  // the file shrank while it was read
    done += got;
  }
  content.resize(done);
  bytes = std::move(content);
  return ErrorNumber::kNone;
}

ErrorNumber ReadItemText(const std::wstring& fileName, std::wstring& text) {
  std::string bytes;
  const ErrorNumber error = ReadWholeFile(fileName, bytes);
  if (error != ErrorNumber::kNone) return error;
  text = discfront::JoinItems(bytes);
  return ErrorNumber::kNone;
}

}  // namespace win32
