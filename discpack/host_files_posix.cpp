// discpack's files outside Windows (host_files.h).
#include "discpack/host_files.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include "base/utf8.h"
#include "disc/filesystem_image_file.h"
#include "disc/filesystem_source.h"

namespace discfront::discpack {

namespace fs = std::filesystem;

namespace {

fs::path Native(const HostPath& path) { return fs::path(std::u8string(path.begin(), path.end())); }

}  // namespace

bool IsFolder(const HostPath& path) {
  std::error_code error;
  return fs::is_directory(Native(path), error);
}

std::optional<std::string> ReadFileStart(const HostPath& path, std::size_t limit) {
  std::ifstream in(Native(path), std::ios::binary);
  if (!in.is_open()) return std::nullopt;
  std::string bytes;
  std::vector<char> block(1 << 16);
  while (bytes.size() < limit) {
    in.read(block.data(), static_cast<std::streamsize>(std::min(block.size(), limit - bytes.size())));
    if (in.gcount() <= 0) break;
    bytes.append(block.data(), static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::wstring FolderNameOf(const HostPath& folder) {
  std::error_code error;
  fs::path whole = fs::weakly_canonical(fs::absolute(Native(folder), error), error);
  if (whole.filename().empty()) whole = whole.parent_path();
  return DecodeUtf8(whole.filename().native());
}

std::unique_ptr<FolderSource> FolderSourceOf(const HostPath& folder) {
  return std::make_unique<FilesystemSource>(Native(folder));
}

std::unique_ptr<ImageFile> ImageFileOf(const HostPath& image) {
  return std::make_unique<FilesystemImageFile>(Native(image));
}

bool ImageInsideFolder(const HostPath& image, const HostPath& folder) {
  return InsideFolder(Native(image), Native(folder));
}

}  // namespace discfront::discpack
