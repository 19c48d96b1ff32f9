#include "atomic_file.h"

#include "app_folder.h"
#include "handles.h"
#include "system_error.h"
#include "base/texts.h"
#include "win32/win32_texts.h"

namespace win32 {
namespace {

// The folder the file goes in; a bare name goes in the current folder.
std::wstring FolderOrCurrent(const std::wstring& fileName) {
  const std::wstring folder = FolderOfFile(fileName);
  return folder.empty() ? L"." : folder;
}

FileWriteResult Failure(DWORD error) {
  return FileWriteResult{false, error, DescribeSystemError(error)};
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

FileWriteResult ReplaceFileContents(const std::wstring& fileName, std::string_view bytes) {
  // A file that may not be written (read-only) must stay as it is, even though the
  // folder would let a new file take its name.
  const DWORD attributes = GetFileAttributesW(fileName.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return Failure(ERROR_DIRECTORY);
    if (attributes & FILE_ATTRIBUTE_READONLY) return Failure(ERROR_ACCESS_DENIED);
  }
  wchar_t temp[MAX_PATH + 1] = {};
  if (GetTempFileNameW(FolderOrCurrent(fileName).c_str(), L"lnc", 0, temp) == 0) return Failure(GetLastError());
  {
    UniqueHandle file(CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD error = ERROR_SUCCESS;
    if (!file.valid()) {
      error = GetLastError();
    } else if (!WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
      error = GetLastError();
      if (error == ERROR_SUCCESS) error = ERROR_WRITE_FAULT;
    }
    if (error != ERROR_SUCCESS) {
      file = UniqueHandle();
      DeleteFileW(temp);
      return Failure(error);
    }
  }
  if (!MoveFileExW(temp, fileName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD error = GetLastError();
    DeleteFileW(temp);
    return Failure(error);
  }
  return FileWriteResult{true, ERROR_SUCCESS, {}};
}

std::wstring DescribeSystemError(DWORD error) {
  switch (error) {
    case ERROR_ACCESS_DENIED: return discfront::Text(kTextNoWriteRights);
    case ERROR_WRITE_PROTECT: return discfront::Text(kTextWriteProtected);
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE: return discfront::Text(kTextFolderNotFound);
    case ERROR_DIRECTORY: return discfront::Text(kTextFolderOfThatName);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return discfront::Text(kTextDiskFull);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return discfront::Text(kTextFileInUse);
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE: return discfront::Text(kTextBadFileName);
    case ERROR_NOT_READY: return discfront::Text(kTextNotReady);
    default: break;
  }
  return SystemReason(error);
}

}  // namespace win32
