#include "system_image_file.h"

#include <cerrno>

#include "long_path.h"
#include "base/decimal_text.h"

namespace win32 {
namespace {

// The writer's callers word an error as the C library does, as the Linux build's
// do: the system's code is given as the errno that stands for it.
std::error_code ErrnoOf(DWORD error) {
  int code = EIO;
  switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: code = ENOSPC; break;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT: code = EACCES; break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH: code = ENOENT; break;
    case ERROR_FILENAME_EXCED_RANGE: code = ENAMETOOLONG; break;
    case ERROR_INVALID_NAME: code = EINVAL; break;
    case ERROR_NOT_SAME_DEVICE: code = EXDEV; break;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: code = ENOMEM; break;
    default: break;
  }
  return std::error_code(code, std::generic_category());
}

std::error_code LastError() { return ErrnoOf(GetLastError()); }

}  // namespace

SystemImageFile::SystemImageFile(const std::wstring& target) : target_(CallablePath(FullPath(target))) {}

std::error_code SystemImageFile::Create() {
  for (int n = 0;; ++n) {
    temporary_ = target_ + L".partial" + discfront::DecimalText(n);
    if (GetFileAttributesW(temporary_.c_str()) != INVALID_FILE_ATTRIBUTES) continue;  // another's, or a folder
    // The writer's block is the only buffer the bytes pass through on their way.
    file_.reset(CreateFileW(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (file_) return {};
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
      temporary_.clear();
      return ErrnoOf(error);
    }
  }
}

std::error_code SystemImageFile::Write(const char* bytes, std::size_t size) {
  while (size > 0) {
    const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    DWORD written = 0;
    if (!WriteFile(file_.get(), bytes, chunk, &written, nullptr)) return LastError();
    if (written == 0) return ErrnoOf(ERROR_DISK_FULL);
    bytes += written;
    size -= written;
  }
  return {};
}

std::error_code SystemImageFile::Close() {
  if (!CloseHandle(file_.release())) return LastError();
  return {};
}

std::error_code SystemImageFile::Rename() {
  if (!MoveFileExW(temporary_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING)) return LastError();
  return {};
}

void SystemImageFile::Remove() {
  file_.reset();
  if (!temporary_.empty()) DeleteFileW(temporary_.c_str());
}

bool InsideFolder(const std::wstring& target, const std::wstring& folder) {
  const std::wstring where = FullPath(target);
  std::wstring root = FullPath(folder);
  if (root.empty()) return false;
  if (root.back() != L'\\') root += L'\\';
  const std::wstring within = where + L'\\';
  return within.size() >= root.size() &&
         CompareStringOrdinal(within.c_str(), static_cast<int>(root.size()), root.c_str(), static_cast<int>(root.size()),
                              TRUE) == CSTR_EQUAL;
}

}  // namespace win32
