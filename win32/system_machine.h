// The processor of the running Windows itself, not of this process: a 32-bit program
// runs on x64 and ARM64 Windows too.
#pragma once

#include "disc/program_image.h"

namespace win32 {

discfront::Machine SystemMachine();

}  // namespace win32
