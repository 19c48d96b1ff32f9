#include "system_folder_source.h"

#include <windows.h>

#include "handles.h"
#include "long_path.h"

namespace win32 {

using discfront::SourceEntry;
using discfront::SourcePath;

namespace {

// Seconds since 1970-01-01 UTC, rounded down, as the disc's dates count them.
std::int64_t SecondsOf(const FILETIME& time) {
  constexpr std::int64_t kTicksTo1970 = 116444736000000000, kTicksPerSecond = 10000000;
  const std::int64_t ticks =
      static_cast<std::int64_t>((std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime) - kTicksTo1970;
  return ticks >= 0 ? ticks / kTicksPerSecond : -((-ticks + kTicksPerSecond - 1) / kTicksPerSecond);
}

std::uint64_t SizeOf(DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; }

// A file or folder opened for its attributes only; a link is followed to what it names.
UniqueHandle OpenForAttributes(const std::wstring& path) {
  return UniqueHandle(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

// The path the system resolves a folder to, links and short names undone; empty
// when it cannot be opened.
std::wstring FinalPath(const std::wstring& path) {
  const UniqueHandle handle = OpenForAttributes(path);
  if (!handle) return {};
  std::wstring final(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleW(handle.get(), final.data(), static_cast<DWORD>(final.size()), 0);
    if (length == 0) return {};
    if (length < final.size()) {
      final.resize(length);
      return final;
    }
    final.resize(length);
  }
}

// Whether the folder a link leads to holds the folder the link is in (or is it),
// compared without regard to case, as the file system finds names.
bool LeadsAbove(const std::wstring& link, const std::wstring& folder) {
  std::wstring target = FinalPath(link);
  const std::wstring here = FinalPath(folder);
  if (target.empty() || here.empty()) return true;
  if (target.back() != L'\\') target += L'\\';
  const std::wstring within = here + L'\\';
  return within.size() >= target.size() &&
         CompareStringOrdinal(within.c_str(), static_cast<int>(target.size()), target.c_str(),
                              static_cast<int>(target.size()), TRUE) == CSTR_EQUAL;
}

// A link's own entry tells nothing of what it names: the entry takes the size,
// date and kind of its target, and is left as listed when the target is missing.
void FollowLink(const std::wstring& path, SourceEntry& entry) {
  const UniqueHandle handle = OpenForAttributes(path);
  BY_HANDLE_FILE_INFORMATION info{};
  if (!handle || !GetFileInformationByHandle(handle.get(), &info)) return;
  entry.folder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  entry.size = entry.folder ? 0 : SizeOf(info.nFileSizeHigh, info.nFileSizeLow);
  entry.modified = SecondsOf(info.ftLastWriteTime);
}

class FileReader final : public discfront::SourceReader {
 public:
  explicit FileReader(UniqueHandle file) : file_(std::move(file)) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    DWORD got = 0;
    const DWORD want = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    if (!ReadFile(file_.get(), buffer, want, &got, nullptr)) return -1;
    return static_cast<std::ptrdiff_t>(got);
  }

 private:
  UniqueHandle file_;
};

}  // namespace

SystemFolderSource::SystemFolderSource(const std::wstring& root) : root_(FullPath(root.empty() ? L"." : root)) {
  // D:\ keeps its separator, which names the drive's root rather than its current folder.
  while (root_.size() > 3 && (root_.back() == L'\\' || root_.back() == L'/')) root_.pop_back();
}

std::wstring SystemFolderSource::PathOf(const SourcePath& path) const {
  std::wstring out = root_;
  for (const std::u16string& name : path) {
    if (out.back() != L'\\') out += L'\\';
    out.append(name.begin(), name.end());
  }
  return CallablePath(out);
}

SourceEntry SystemFolderSource::Root() {
  SourceEntry root;
  root.folder = true;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (GetFileAttributesExW(CallablePath(root_).c_str(), GetFileExInfoStandard, &data)) {
    root.modified = SecondsOf(data.ftLastWriteTime);
  }
  return root;
}

std::optional<std::vector<SourceEntry>> SystemFolderSource::List(const SourcePath& folder) {
  const std::wstring path = PathOf(folder);
  const std::wstring pattern = path + (path.back() == L'\\' ? L"*" : L"\\*");
  WIN32_FIND_DATAW found{};
  const UniqueFind find(FindFirstFileW(pattern.c_str(), &found));
  if (!find) {
    // A drive's root has no "." entry to find: an empty one finds nothing at all.
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return std::vector<SourceEntry>{};
    return std::nullopt;
  }
  std::vector<SourceEntry> entries;
  do {
    const std::wstring_view name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    SourceEntry entry;
    // Taken as it is: a name there need not be valid UTF-16 (the name check refuses
    // its lone surrogate).
    entry.name.assign(name.begin(), name.end());
    entry.folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.size = entry.folder ? 0 : SizeOf(found.nFileSizeHigh, found.nFileSizeLow);
    entry.modified = SecondsOf(found.ftLastWriteTime);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
      const std::wstring item = path + (path.back() == L'\\' ? L"" : L"\\") + std::wstring(name);
      FollowLink(item, entry);
      if (entry.folder && LeadsAbove(item, path)) entry.trouble = SourceEntry::Trouble::kLoop;
    }
    entries.push_back(std::move(entry));
  } while (FindNextFileW(find.get(), &found));
  if (GetLastError() != ERROR_NO_MORE_FILES) return std::nullopt;
  return entries;
}

std::unique_ptr<discfront::SourceReader> SystemFolderSource::Open(const SourcePath& file) {
  UniqueHandle handle(CreateFileW(PathOf(file).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!handle) return nullptr;
  return std::make_unique<FileReader>(std::move(handle));
}

}  // namespace win32
