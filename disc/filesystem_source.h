// A folder on disk read through the standard library's file system, as the Linux
// programs and tests read one. The Windows programs read through the system's own
// calls (win32/system_folder_source.h), which keeps the standard library's file
// system and streams out of them.
#pragma once

#include <filesystem>

#include "disc/folder_source.h"

namespace discfront {

// A folder on disk. Links are followed; a link that leads back to a folder above
// it is marked as a loop, so that it is refused rather than followed forever.
class FilesystemSource : public FolderSource {
 public:
  explicit FilesystemSource(std::filesystem::path root) : root_(std::move(root)) {}
  SourceEntry Root() override;
  std::optional<std::vector<SourceEntry>> List(const SourcePath& folder) override;
  std::unique_ptr<SourceReader> Open(const SourcePath& file) override;

  std::filesystem::path PathOf(const SourcePath& path) const;

 private:
  std::filesystem::path root_;
};

}  // namespace discfront
