#include "disc/install_plan.h"

#include "catalogue/splitter.h"

namespace discfront {
namespace {

std::wstring PathOf(const std::vector<CatalogueEntry>& entries, int slot) {
  return slot >= 0 && static_cast<std::size_t>(slot) < entries.size() ? entries[static_cast<std::size_t>(slot)].path
                                                                       : std::wstring();
}

InstallPlan StartOrNotFound(InstallPlan plan, const DiscFolder& disc, const std::wstring& path,
                            const FileProbe& files) {
  if (std::optional<ProgramTarget> target = FindProgramTarget(disc, path, files)) {
    plan.kind = InstallPlan::Kind::kStart;
    plan.target = std::move(*target);
  } else {
    plan.kind = InstallPlan::Kind::kFileNotFound;
    plan.target.file = disc.File(path);
  }
  plan.showState = kShowMinimized;
  return plan;
}

}  // namespace

std::optional<ProgramTarget> FindProgramTarget(const DiscFolder& disc, const std::wstring& path,
                                               const FileProbe& files) {
  const std::wstring whole = disc.File(path);
  if (files.IsFile(whole)) return ProgramTarget{whole, {}};
  const std::size_t pathStart = disc.Folder().size();
  for (std::size_t blank = whole.rfind(L' '); blank != std::wstring::npos && blank > pathStart;
       blank = whole.rfind(L' ', blank - 1)) {
    std::wstring file = whole.substr(0, blank);
    if (files.IsFile(file)) return ProgramTarget{std::move(file), whole.substr(blank + 1)};
  }
  return std::nullopt;
}

std::wstring FolderWindowArguments(const std::wstring& path) { return L"/select,\"" + path + L"\""; }

InstallPlan PlanInstall(const std::vector<CatalogueEntry>& entries, int selected, const DiscFolder& disc,
                        const FileProbe& files) {
  InstallPlan plan;
  if (selected < 0 || selected > kLastSlot) return StartOrNotFound(std::move(plan), disc, PathOf(entries, 0), files);
  const std::wstring path = PathOf(entries, selected);
  if (path.empty()) return plan;
  if (path.size() == 1) {
    plan.kind = InstallPlan::Kind::kFolderWindow;
    plan.select = disc.Folder();
    plan.showState = kShowNormal;
    return plan;
  }
  if (path[path.size() - 2] == L'/') {
    plan.kind = InstallPlan::Kind::kFolderWindow;
    plan.select = disc.File(path);
    plan.showState = kShowNormal;
    return plan;
  }
  return StartOrNotFound(std::move(plan), disc, path, files);
}

}  // namespace discfront
