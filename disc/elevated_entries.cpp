#include "disc/elevated_entries.h"

#include <map>
#include <string>

#include "disc/install_plan.h"

namespace discfront {

std::vector<bool> EntriesAskingAdministrator(const std::vector<CatalogueEntry>& entries, const DiscFolder& disc,
                                             const FileProbe& files, const ProgramProbe& programs) {
  std::vector<bool> asking(entries.size(), false);
  std::map<std::wstring, bool> asks;
  for (std::size_t slot = 0; slot < entries.size(); ++slot) {
    const InstallPlan plan = PlanInstall(entries, static_cast<int>(slot), disc, files);
    if (plan.kind != InstallPlan::Kind::kStart) continue;
    const auto [at, added] = asks.try_emplace(plan.target.file, false);
    if (added) {
      const std::optional<ProgramImage> program = programs.ReadProgram(plan.target.file);
      at->second = program && program->valid && program->asksAdministrator;
    }
    asking[slot] = at->second;
  }
  return asking;
}

}  // namespace discfront
