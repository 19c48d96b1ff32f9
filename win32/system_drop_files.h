// The drop rules' questions answered by the system's own file calls (the Windows
// programs keep the standard library's file system out of them).
#pragma once

#include "disc/dropped_file.h"

namespace win32 {

class SystemDropFiles final : public discfront::DropFiles {
 public:
  discfront::PathKind Probe(const std::wstring& path) const override;
  std::vector<std::wstring> List(const std::wstring& folder) const override;
  std::unique_ptr<discfront::ByteSource> Open(const std::wstring& path) const override;
};

}  // namespace win32
