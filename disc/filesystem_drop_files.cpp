#include "filesystem_drop_files.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/utf8.h"

namespace discfront {
namespace {

namespace fs = std::filesystem;

// A file read at offsets through a stream; the reader asks for a few small pieces.
class StreamBytes final : public ByteSource {
 public:
  StreamBytes(std::ifstream in, std::uint64_t size) : in_(std::move(in)), size_(size) {}
  std::uint64_t Size() const override { return size_; }
  bool ReadAt(std::uint64_t offset, std::size_t size, void* out) const override {
    if (offset > size_ || size > size_ - offset) return false;
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(offset));
    in_.read(static_cast<char*>(out), static_cast<std::streamsize>(size));
    return in_.gcount() == static_cast<std::streamsize>(size);
  }

 private:
  mutable std::ifstream in_;
  std::uint64_t size_;
};

// Paths hold UTF-16 text on every system; outside Windows the file system's names are
// UTF-8 bytes, which the library would otherwise convert through the C locale (and throw).
fs::path PathOf(const std::wstring& path) {
#ifdef _WIN32
  return fs::path(path);
#else
  std::string bytes;
  EncodeUtf8(path, bytes);
  return fs::path(std::u8string(bytes.begin(), bytes.end()));
#endif
}

std::wstring NameOf(const fs::path& name) {
#ifdef _WIN32
  return name.wstring();
#else
  return DecodeUtf8(name.native());
#endif
}

}  // namespace

PathKind FilesystemDropFiles::Probe(const std::wstring& path) const {
  std::error_code error;
  const fs::file_status status = fs::status(PathOf(path), error);
  if (error) return PathKind::kMissing;
  if (fs::is_directory(status)) return PathKind::kFolder;
  return fs::is_regular_file(status) ? PathKind::kFile : PathKind::kMissing;
}

std::vector<std::wstring> FilesystemDropFiles::List(const std::wstring& folder) const {
  std::vector<std::wstring> names;
  std::error_code error;
  for (fs::directory_iterator it(PathOf(folder), error), end; !error && it != end; it.increment(error)) {
    names.push_back(NameOf(it->path().filename()));
  }
  return names;
}

std::unique_ptr<ByteSource> FilesystemDropFiles::Open(const std::wstring& path) const {
  std::error_code error;
  const std::uint64_t size = fs::file_size(PathOf(path), error);
  if (error) return nullptr;
  std::ifstream in(PathOf(path), std::ios::binary);
  if (!in) return nullptr;
  return std::make_unique<StreamBytes>(std::move(in), size);
}

}  // namespace discfront
