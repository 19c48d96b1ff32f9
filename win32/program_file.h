// The program reader on a file of the real file system.
#pragma once

#include "disc/program_image.h"

namespace win32 {

class SystemProgramProbe final : public discfront::ProgramProbe {
 public:
  std::optional<discfront::ProgramImage> ReadProgram(const std::wstring& path) const override;
};

}  // namespace win32
