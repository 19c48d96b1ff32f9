#include "disc/install_plan.h"

#include "catalogue/splitter.h"

namespace discfront {
namespace {

std::wstring PathOf(const std::vector<CatalogueEntry>& entries, int slot) {
  return slot >= 0 && static_cast<std::size_t>(slot) < entries.size() ? entries[static_cast<std::size_t>(slot)].path
                                                                       : std::wstring();
}

// A dot in the name's last component: the system's process creator adds ".exe" only
// to a name without one.
bool HasExtension(const std::wstring& name) {
  const std::size_t lastSeparator = name.find_last_of(L"\\/");
  const std::size_t dot = name.rfind(L'.');
  return dot != std::wstring::npos && (lastSeparator == std::wstring::npos || dot > lastSeparator);
}

// The name as it stands, else with ".exe" when it has no extension: catalogues written
// for the old unquoted start say "\setup -s" for "\setup.exe", and an existing file
// without an extension still wins.
std::optional<std::wstring> FindProgramFile(std::wstring name, const FileProbe& files) {
  if (files.IsFile(name)) return name;
  if (HasExtension(name)) return std::nullopt;
  name += L".exe";
  if (files.IsFile(name)) return name;
  return std::nullopt;
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
  if (std::optional<std::wstring> file = FindProgramFile(whole, files)) return ProgramTarget{std::move(*file), {}};
  const std::size_t pathStart = disc.Folder().size();
  for (std::size_t blank = whole.rfind(L' '); blank != std::wstring::npos && blank > pathStart;
       blank = whole.rfind(L' ', blank - 1)) {
    if (std::optional<std::wstring> file = FindProgramFile(whole.substr(0, blank), files)) {
      return ProgramTarget{std::move(*file), whole.substr(blank + 1)};
    }
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
