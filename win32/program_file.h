// The program reader on a file of the real file system.
#pragma once

#include <memory>
#include <string>

#include "disc/program_image.h"

namespace win32 {

// A file's bytes, read piece by piece while it is open; null when it cannot be opened.
std::unique_ptr<discfront::ByteSource> OpenFileBytes(const std::wstring& path);

class SystemProgramProbe final : public discfront::ProgramProbe {
 public:
  std::optional<discfront::ProgramImage> ReadProgram(const std::wstring& path) const override;
};

}  // namespace win32
