#include "entry_status.h"

#include <algorithm>
#include <optional>

#include "base/texts.h"
#include "disc/install_plan.h"
#include "editor_texts.h"

namespace discfront::editor {
namespace {

// The status a record's finding gives; nothing for the disc's own files.
std::optional<EntryStatus> StatusOf(const DiscProblem& problem) {
  using Kind = DiscProblem::Kind;
  if (problem.slot < 0) return std::nullopt;
  switch (problem.kind) {
    case Kind::kProgramNotFound:
    case Kind::kFolderMissing: return EntryStatus::kProgramMissing;
    case Kind::kProgramInvalid: return EntryStatus::kNotAProgram;
    case Kind::kFieldNotSaved: return EntryStatus::kNotSaved;
    case Kind::kProgramNot32Bit: return EntryStatus::kNot32Bit;
    case Kind::kPictureMissing:
    case Kind::kPictureUnreadable:
    case Kind::kPictureTooLarge: return EntryStatus::kPicture;
    case Kind::kPathBreaksRule: return EntryStatus::kPathRule;
    case Kind::kFieldChanges: return EntryStatus::kFieldsChange;
    case Kind::kPictureNotChecked: return EntryStatus::kNotChecked;
    // Findings about skins and the disc's own files name no record.
    case Kind::kLauncherMissing:
    case Kind::kDescriptionMissing:
    case Kind::kSkinMissing:
    case Kind::kSkinNotBitmap:
    case Kind::kOutlineEmpty:
    case Kind::kOutlineTooComplex:
    case Kind::kSkinSetIncomplete:
    case Kind::kSkinSetWrongSize: break;
  }
  return std::nullopt;
}

void Add(std::vector<EntryStatus>& statuses, EntryStatus status) {
  if (std::find(statuses.begin(), statuses.end(), status) == statuses.end()) statuses.push_back(status);
}

// The words and tooltips are numbered in the order of the statuses.
static_assert(kTextStatusWordFine == kTextStatusWordMissing + static_cast<unsigned>(EntryStatus::kFine));
static_assert(kTextStatusTipFine == kTextStatusTipMissing + static_cast<unsigned>(EntryStatus::kFine));

}  // namespace

std::vector<std::vector<EntryStatus>> StatusesOfEntries(int records, const CheckFindings& findings) {
  std::vector<std::vector<EntryStatus>> statuses(static_cast<std::size_t>(std::max(records, 0)));
  auto at = [&](int slot) -> std::vector<EntryStatus>* {
    return slot >= 0 && slot < records ? &statuses[static_cast<std::size_t>(slot)] : nullptr;
  };
  for (const DiscProblem& problem : findings.problems) {
    const std::optional<EntryStatus> status = StatusOf(problem);
    if (std::vector<EntryStatus>* row = at(problem.slot); row != nullptr && status) Add(*row, *status);
  }
  // A program that asks for more rights, by what the check read of it and by the rule the
  // launcher marks its shield by (which reads any started file, whatever its name).
  for (const EntryFile& started : findings.startedFiles) {
    std::vector<EntryStatus>* row = at(started.slot);
    if (row != nullptr && started.program && started.program->valid && started.program->asksAdministrator) {
      Add(*row, EntryStatus::kAdministrator);
    }
  }
  for (std::size_t slot = 0; slot < findings.asksAdministrator.size() && slot < statuses.size(); ++slot) {
    if (findings.asksAdministrator[slot]) Add(statuses[slot], EntryStatus::kAdministrator);
  }
  for (int slot = 0; slot < records; ++slot) {
    std::vector<EntryStatus>& row = statuses[static_cast<std::size_t>(slot)];
    if (slot >= findings.recordsChecked) Add(row, EntryStatus::kNotChecked);
    if (row.empty()) row.push_back(EntryStatus::kFine);
    std::sort(row.begin(), row.end());
  }
  return statuses;
}

std::wstring StatusWord(EntryStatus status) {
  return Text(kTextStatusWordMissing + static_cast<unsigned>(status));
}

std::wstring StatusTooltip(EntryStatus status) {
  return Text(kTextStatusTipMissing + static_cast<unsigned>(status));
}

StatusIcon IconOf(EntryStatus status) {
  switch (status) {
    case EntryStatus::kProgramMissing:
    case EntryStatus::kNotAProgram:
    case EntryStatus::kNotSaved: return StatusIcon::kError;
    case EntryStatus::kNot32Bit:
    case EntryStatus::kPicture:
    case EntryStatus::kPathRule:
    case EntryStatus::kFieldsChange: return StatusIcon::kWarning;
    case EntryStatus::kAdministrator: return StatusIcon::kShield;
    case EntryStatus::kNotChecked: return StatusIcon::kInformation;
    case EntryStatus::kFine: break;
  }
  return StatusIcon::kNone;
}

StatusCell CellOf(const std::vector<EntryStatus>& statuses) {
  StatusCell cell;
  if (!statuses.empty()) cell.shown = *std::min_element(statuses.begin(), statuses.end());
  cell.icon = IconOf(cell.shown);
  cell.word = StatusWord(cell.shown);
  std::vector<EntryStatus> listed = statuses.empty() ? std::vector<EntryStatus>{cell.shown} : statuses;
  std::sort(listed.begin(), listed.end());
  listed.erase(std::unique(listed.begin(), listed.end()), listed.end());
  for (EntryStatus status : listed) cell.tooltip += (cell.tooltip.empty() ? L"" : L"\n") + StatusTooltip(status);
  return cell;
}

IconFile IconFileOf(const std::vector<CatalogueEntry>& entries, int slot, const DiscFolder& disc,
                    const FileProbe& files) {
  if (slot < 0 || slot >= static_cast<int>(entries.size())) return {};
  const InstallPlan plan = PlanInstall(entries, slot, disc, files);
  switch (plan.kind) {
    case InstallPlan::Kind::kNothing: break;
    case InstallPlan::Kind::kStart: return {IconFile::Kind::kFile, plan.target.file};
    case InstallPlan::Kind::kFileNotFound: return {IconFile::Kind::kMissingFile, plan.target.file};
    case InstallPlan::Kind::kFolderWindow: return {IconFile::Kind::kFolder, plan.select};
  }
  return {};
}

}  // namespace discfront::editor
