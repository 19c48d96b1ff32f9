#include "win32/program_file.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "win32/handles.h"

namespace win32 {
namespace {

// An open file read piece by piece at given offsets; a piece that cannot be read
// whole (past the end, a read error) is no piece at all. The reader asks for many
// small pieces that lie close together (the headers, then the resource directory), so
// the file is read a block at a time and the last block kept: a disc check reads a
// thousand programs, and every read of the system costs more than the copy.
class FileBytes final : public discfront::ByteSource {
 public:
  explicit FileBytes(HANDLE file) : file_(file) {
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size)) size_ = static_cast<std::uint64_t>(size.QuadPart);
  }
  std::uint64_t Size() const override { return size_; }
  bool ReadAt(std::uint64_t offset, std::size_t size, void* out) const override {
    if (offset > size_ || size > size_ - offset || size > std::numeric_limits<DWORD>::max()) return false;
    const std::uint64_t block = offset / kBlock * kBlock;
    if (offset + size > block + kBlock) return ReadFromFile(offset, size, out);  // a long piece
    if (block != blockOffset_ || blockBytes_.empty()) {
      blockBytes_.resize(static_cast<std::size_t>(std::min<std::uint64_t>(kBlock, size_ - block)));
      blockOffset_ = block;
      if (!ReadFromFile(block, blockBytes_.size(), blockBytes_.data())) {
        blockBytes_.clear();
        return false;
      }
    }
    if (size != 0) std::memcpy(out, blockBytes_.data() + (offset - block), size);
    return true;
  }

 private:
  static constexpr std::uint64_t kBlock = 4096;

  bool ReadFromFile(std::uint64_t offset, std::size_t size, void* out) const {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD read = 0;
    return ReadFile(file_, out, static_cast<DWORD>(size), &read, &at) && read == size;
  }

  HANDLE file_;
  std::uint64_t size_ = 0;
  mutable std::vector<unsigned char> blockBytes_;  // the file's bytes from blockOffset_
  mutable std::uint64_t blockOffset_ = 0;
};

// FileBytes with the file it reads.
class OpenFile final : public discfront::ByteSource {
 public:
  explicit OpenFile(UniqueHandle file) : file_(std::move(file)), bytes_(file_.get()) {}
  std::uint64_t Size() const override { return bytes_.Size(); }
  bool ReadAt(std::uint64_t offset, std::size_t size, void* out) const override { return bytes_.ReadAt(offset, size, out); }

 private:
  UniqueHandle file_;
  FileBytes bytes_;
};

}  // namespace

std::unique_ptr<discfront::ByteSource> OpenFileBytes(const std::wstring& path) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return nullptr;
  return std::make_unique<OpenFile>(std::move(file));
}

std::optional<discfront::ProgramImage> SystemProgramProbe::ReadProgram(const std::wstring& path) const {
  const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  return discfront::ReadProgramImage(FileBytes(file.get()));
}

}  // namespace win32
