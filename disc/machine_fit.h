// Whether a program's processor is one the running Windows starts, decided before the
// start so that the user reads the launcher's own message, in its language, instead
// of the system's "not a valid application". Only what is certain is refused: a
// 32-bit system starts no 64-bit program, and an x64 system no ARM64 one; everything
// else (an x86 program anywhere, an x64 one on ARM64, a file that is no program, a
// processor this reader does not know) is left to the system.
#pragma once

#include "disc/program_image.h"

namespace discfront {

enum class MachineFit {
  kStarts,
  kNeeds64BitWindows,  // an x64 or ARM64 program on 32-bit Windows
  kNeedsArmWindows,    // an ARM64 program on x64 Windows
};

MachineFit FitOnSystem(const ProgramImage& program, Machine system);

}  // namespace discfront
