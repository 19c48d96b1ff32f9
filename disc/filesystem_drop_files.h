// The drop rules' questions answered by the file system the program runs on.
#pragma once

#include "disc/dropped_file.h"

namespace discfront {

class FilesystemDropFiles final : public DropFiles {
 public:
  PathKind Probe(const std::wstring& path) const override;
  std::vector<std::wstring> List(const std::wstring& folder) const override;
  std::unique_ptr<ByteSource> Open(const std::wstring& path) const override;
};

}  // namespace discfront
