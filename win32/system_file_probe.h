// The disc model's file probe on the real file system.
#pragma once

#include "disc/file_probe.h"

namespace win32 {

class SystemFileProbe final : public discfront::FileProbe {
 public:
  discfront::PathKind Probe(const std::wstring& path) const override;
};

}  // namespace win32
