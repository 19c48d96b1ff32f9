// A folder on disk read through the standard library (filesystem_source.h).
#include "disc/filesystem_source.h"

#include <chrono>
#include <fstream>
#include <system_error>

namespace discfront {

namespace fs = std::filesystem;

namespace {

class FileReader : public SourceReader {
 public:
  explicit FileReader(const fs::path& path) : stream_(path, std::ios::binary) {}
  bool IsOpen() const { return stream_.is_open(); }
  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    stream_.read(buffer, static_cast<std::streamsize>(size));
    if (stream_.bad()) return -1;
    return static_cast<std::ptrdiff_t>(stream_.gcount());
  }

 private:
  std::ifstream stream_;
};

std::int64_t Seconds(const fs::path& path, std::error_code& error) {
  const auto written = fs::last_write_time(path, error);
  if (error) return 0;
  const auto system = std::chrono::file_clock::to_sys(written);
  return std::chrono::floor<std::chrono::seconds>(system).time_since_epoch().count();
}

// Whether the folder a link leads to holds the folder the link is in (or is it).
bool LeadsAbove(const fs::path& link, const fs::path& folder) {
  std::error_code error;
  const fs::path target = fs::canonical(link, error);
  const fs::path here = fs::canonical(folder, error);
  if (error) return true;
  const fs::path relative = here.lexically_relative(target);
  return !relative.empty() && *relative.begin() != "..";
}

}  // namespace

fs::path FilesystemSource::PathOf(const SourcePath& path) const {
  fs::path out = root_;
  for (const std::u16string& name : path) out /= fs::path(name);
  return out;
}

SourceEntry FilesystemSource::Root() {
  SourceEntry root;
  root.folder = true;
  std::error_code error;
  root.modified = Seconds(root_, error);
  return root;
}

std::optional<std::vector<SourceEntry>> FilesystemSource::List(const SourcePath& folder) {
  const fs::path path = PathOf(folder);
  std::error_code error;
  fs::directory_iterator it(path, error);
  if (error) return std::nullopt;
  std::vector<SourceEntry> entries;
  for (; it != fs::directory_iterator(); it.increment(error)) {
    const fs::directory_entry& item = *it;
    SourceEntry entry;
    try {
      entry.name = item.path().filename().u16string();
    } catch (const std::exception&) {
      // The name is shown as the bytes it has; it cannot be opened by that name.
      for (unsigned char c : item.path().filename().string()) entry.name += static_cast<char16_t>(c);
      entry.trouble = SourceEntry::Trouble::kUndecodableName;
    }
    std::error_code statError;
    const fs::file_status status = item.status(statError);
    entry.folder = fs::is_directory(status);
    if (entry.folder) {
      if (item.is_symlink(statError) && LeadsAbove(item.path(), path)) entry.trouble = SourceEntry::Trouble::kLoop;
    } else {
      entry.size = item.file_size(statError);
      if (statError) entry.size = 0;
    }
    entry.modified = Seconds(item.path(), statError);
    entries.push_back(std::move(entry));
  }
  if (error) return std::nullopt;
  return entries;
}

std::unique_ptr<SourceReader> FilesystemSource::Open(const SourcePath& file) {
  const fs::path path = PathOf(file);
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return nullptr;
  auto reader = std::make_unique<FileReader>(path);
  if (!reader->IsOpen()) return nullptr;
  return reader;
}

}  // namespace discfront
