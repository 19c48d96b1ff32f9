// A disc folder as the image writer reads it, through the system's own file calls
// (the Linux build reads through disc/filesystem_source.h). Links are followed; a
// link to a folder that holds it is marked as a loop, so that it is refused rather
// than followed forever.
#pragma once

#include <string>

#include "disc/folder_source.h"

namespace win32 {

class SystemFolderSource final : public discfront::FolderSource {
 public:
  explicit SystemFolderSource(const std::wstring& root);
  discfront::SourceEntry Root() override;
  std::optional<std::vector<discfront::SourceEntry>> List(const discfront::SourcePath& folder) override;
  std::unique_ptr<discfront::SourceReader> Open(const discfront::SourcePath& file) override;

 private:
  std::wstring PathOf(const discfront::SourcePath& path) const;

  std::wstring root_;  // full, without a trailing separator except at a drive's root
};

}  // namespace win32
