#include "disc/machine_fit.h"

namespace discfront {

MachineFit FitOnSystem(const ProgramImage& program, Machine system) {
  if (!program.valid) return MachineFit::kStarts;
  const bool sixtyFourBit = program.machine == Machine::kX64 || program.machine == Machine::kArm64;
  if (system == Machine::kX86 && sixtyFourBit) return MachineFit::kNeeds64BitWindows;
  if (system == Machine::kX64 && program.machine == Machine::kArm64) return MachineFit::kNeedsArmWindows;
  return MachineFit::kStarts;
}

}  // namespace discfront
