// The program reader on a file of the real file system, and the machine of the
// system it runs on.
#pragma once

#include "disc/program_image.h"

namespace win32 {

class SystemProgramProbe final : public discfront::ProgramProbe {
 public:
  std::optional<discfront::ProgramImage> ReadProgram(const std::wstring& path) const override;
};

// The processor of the running Windows itself, not of this process: a 32-bit program
// runs on x64 and ARM64 Windows too.
discfront::Machine SystemMachine();

}  // namespace win32
