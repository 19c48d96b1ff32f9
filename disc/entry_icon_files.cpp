#include "disc/entry_icon_files.h"

#include "disc/install_plan.h"

namespace discfront {

std::vector<std::wstring> EntryIconFiles(const std::vector<CatalogueEntry>& entries, const DiscFolder& disc,
                                         const FileProbe& files) {
  std::vector<std::wstring> icons(entries.size());
  for (std::size_t slot = 0; slot < entries.size(); ++slot) {
    InstallPlan plan = PlanInstall(entries, static_cast<int>(slot), disc, files);
    if (plan.kind == InstallPlan::Kind::kStart) icons[slot] = std::move(plan.target.file);
    // The folder-window rule names a path that need not be there.
    if (plan.kind == InstallPlan::Kind::kFolderWindow && files.Probe(plan.select) != PathKind::kMissing) {
      icons[slot] = std::move(plan.select);
    }
  }
  return icons;
}

}  // namespace discfront
