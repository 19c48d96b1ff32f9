// Where the image writer reads a folder from: its entries and their files' bytes.
// An interface, so that tests and benchmarks can hand the writer trees of their own
// making; FilesystemSource (filesystem_source.h) reads a real folder through the
// standard library, win32::SystemFolderSource through the system's own calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace discfront {

// A path below the source's root, one name per level (empty: the root itself).
using SourcePath = std::vector<std::u16string>;

struct SourceEntry {
  std::u16string name;
  bool folder = false;
  std::uint64_t size = 0;     // of a file
  std::int64_t modified = 0;  // seconds since 1970-01-01 UTC
  enum class Trouble { kNone, kLoop, kUndecodableName };
  Trouble trouble = Trouble::kNone;  // a link to a folder above it; a name not in UTF-8
};

class SourceReader {
 public:
  virtual ~SourceReader() = default;
  // Up to size bytes into buffer; 0 at the end. Returns -1 on a read error.
  virtual std::ptrdiff_t Read(char* buffer, std::size_t size) = 0;
};

class FolderSource {
 public:
  virtual ~FolderSource() = default;
  // The root folder itself (its date), with an empty name.
  virtual SourceEntry Root() = 0;
  // The folder's entries, in any order, or nothing when it cannot be listed.
  virtual std::optional<std::vector<SourceEntry>> List(const SourcePath& folder) = 0;
  // The file's bytes, or nullptr when it cannot be opened.
  virtual std::unique_ptr<SourceReader> Open(const SourcePath& file) = 0;
};

}  // namespace discfront
