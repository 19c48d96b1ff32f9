// What the disc model asks of the file system: is there a file (or a folder) at
// this path? An interface, so that the disc model's rules are tested with a table
// instead of a disc.
#pragma once

#include <string>

namespace discfront {

enum class PathKind { kMissing, kFile, kFolder };

class FileProbe {
 public:
  virtual ~FileProbe() = default;
  virtual PathKind Probe(const std::wstring& path) const = 0;

  bool IsFile(const std::wstring& path) const { return Probe(path) == PathKind::kFile; }
};

}  // namespace discfront
