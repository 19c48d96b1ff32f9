// The image's file through the standard library (filesystem_image_file.h).
#include "disc/filesystem_image_file.h"

#include <cerrno>
#include <string>

namespace discfront {

namespace fs = std::filesystem;

namespace {

// errno as the stream left it, or the given reason when the library set none.
std::error_code Errno(int otherwise) { return std::error_code(errno != 0 ? errno : otherwise, std::generic_category()); }

fs::path TemporaryBeside(const fs::path& target) {
  for (int n = 0;; ++n) {
    fs::path candidate = target;
    candidate += ".partial" + std::to_string(n);
    std::error_code error;
    if (!fs::exists(fs::symlink_status(candidate, error))) return candidate;
  }
}

}  // namespace

std::error_code FilesystemImageFile::Create() {
  temporary_ = TemporaryBeside(target_);
  stream_.rdbuf()->pubsetbuf(nullptr, 0);  // the writer's block is the only buffer
  errno = 0;
  stream_.open(temporary_, std::ios::binary | std::ios::trunc);
  return stream_.is_open() ? std::error_code() : Errno(EACCES);
}

std::error_code FilesystemImageFile::Write(const char* bytes, std::size_t size) {
  errno = 0;
  stream_.write(bytes, static_cast<std::streamsize>(size));
  return stream_ ? std::error_code() : Errno(EIO);
}

std::error_code FilesystemImageFile::Close() {
  errno = 0;
  stream_.close();
  return stream_.fail() ? Errno(EIO) : std::error_code();
}

std::error_code FilesystemImageFile::Rename() {
  std::error_code error;
  fs::rename(temporary_, target_, error);
  return error;
}

void FilesystemImageFile::Remove() {
  if (stream_.is_open()) stream_.close();
  std::error_code error;
  if (!temporary_.empty()) fs::remove(temporary_, error);
}

bool InsideFolder(const fs::path& target, const fs::path& folder) {
  std::error_code error;
  const fs::path where = fs::weakly_canonical(fs::absolute(target, error), error);
  const fs::path root = fs::weakly_canonical(fs::absolute(folder, error), error);
  const fs::path relative = where.lexically_relative(root);
  return !relative.empty() && *relative.begin() != "..";
}

}  // namespace discfront
