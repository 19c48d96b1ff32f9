#include "disc_check.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/ascii_text.h"
#include "base/display_scale.h"
#include "base/picture_limits.h"
#include "catalogue/catalogue_reader.h"
#include "disc/install_plan.h"
#include "catalogue/line_format.h"

namespace discfront::editor {
namespace {

constexpr std::array<Field, 4> kFieldsInLineOrder = {Field::kPath, Field::kTitle, Field::kComment,
                                                     Field::kPicture};

// The folder a folder-window entry opens: the disc folder for a path of one character
// (the window shows it selected); else the folder that holds the selected path, "/"
// separating as "\" does.
std::wstring FolderTheWindowShows(const std::wstring& path, const std::wstring& select) {
  if (path.size() == 1) return select;
  const std::size_t separator = select.find_last_of(L"\\/");
  return separator == std::wstring::npos ? select : select.substr(0, separator);
}

}  // namespace

EntryFile::Kind KindOfFile(const std::wstring& file) {
  if (EndsWithIgnoringCase(std::wstring_view(file), ".exe")) return EntryFile::Kind::kProgram;
  // What the system runs by its script hosts or command interpreter.
  for (std::string_view script : {".bat", ".cmd", ".vbs", ".vbe", ".js", ".jse", ".wsf", ".ps1"}) {
    if (EndsWithIgnoringCase(std::wstring_view(file), script)) return EntryFile::Kind::kScript;
  }
  return EntryFile::Kind::kDocument;
}

DiscCheck::DiscCheck(std::vector<CatalogueEntry> entries, DiscFolder disc, const FileProbe& files,
                     const PictureProbe& pictures, const ProgramProbe& programs)
    : entries_(std::move(entries)), disc_(std::move(disc)), files_(files), pictures_(pictures), programs_(programs) {}

bool DiscCheck::Step(int records) {
  if (!discFilesChecked_) {
    CheckDiscFiles();
    discFilesChecked_ = true;
  }
  for (int i = 0; i < records && !Finished(); ++i) CheckRecord(next_++);
  return !Finished();
}

PictureRead DiscCheck::ReadPicture(const std::wstring& path) {
  const auto [at, added] = pictureCache_.try_emplace(path, PictureRead::kMissing);
  if (added) at->second = pictures_.Read(path);
  return at->second;
}

void DiscCheck::CheckDiscFiles() {
  auto report = [&](DiscProblem::Kind kind, std::wstring file) {
    DiscProblem problem;
    problem.kind = kind;
    problem.file = std::move(file);
    problems_.push_back(std::move(problem));
  };
  if (!files_.IsFile(disc_.LauncherFile())) report(DiscProblem::Kind::kLauncherMissing, disc_.LauncherFile());
  if (!files_.IsFile(disc_.DescriptionFile())) {
    report(DiscProblem::Kind::kDescriptionMissing, disc_.DescriptionFile());
  }
  for (Skin skin : DiscFolder::kSkins) {
    const std::wstring file = disc_.SkinFile(skin);
    switch (ReadPicture(file)) {
      case PictureRead::kBitmap: break;
      case PictureRead::kMissing: report(DiscProblem::Kind::kSkinMissing, file); break;
      case PictureRead::kUnreadable:
      case PictureRead::kOtherPicture: report(DiscProblem::Kind::kSkinNotBitmap, file); break;
      case PictureRead::kTooLarge: report(DiscProblem::Kind::kPictureTooLarge, file); break;
      case PictureRead::kNotChecked: report(DiscProblem::Kind::kPictureNotChecked, file); break;
    }
  }
  CheckOutlines();
  CheckSkinSets();
}

void DiscCheck::CheckOutlines() {
  std::vector<int> present;
  for (const int percent : kSkinSetPercents) {
    bool whole = true;
    for (const Skin skin : DiscFolder::kSkins) whole = whole && files_.IsFile(disc_.SkinFile(skin, percent));
    if (whole || percent == 100) present.push_back(percent);
  }
  // The background's outline at each scale, as the launcher cuts it there: from the set
  // that suits the scale, resampled to the window's size. A file is reported at the
  // first scale its outline fails, which the finding names.
  std::vector<std::wstring> reported;
  for (const int scale : kSkinSetPercents) {
    const int dpi = kBaseDpi * scale / 100;
    const int set = ChooseSkinSet(present, dpi);
    const std::wstring back = disc_.SkinFile(Skin::kBack, set);
    if (ReadPicture(back) != PictureRead::kBitmap) continue;
    const std::optional<std::size_t> rectangles = pictures_.OutlineRectangles(back, set, dpi);
    if (!rectangles || FitOfOutline(*rectangles) == OutlineFit::kUsable) continue;
    if (std::find(reported.begin(), reported.end(), back) != reported.end()) continue;
    reported.push_back(back);
    DiscProblem& problem = problems_.emplace_back();
    problem.kind = FitOfOutline(*rectangles) == OutlineFit::kEmpty ? DiscProblem::Kind::kOutlineEmpty
                                                                  : DiscProblem::Kind::kOutlineTooComplex;
    problem.file = back;
    problem.percent = scale;
  }
}

void DiscCheck::CheckSkinSets() {
  auto report = [&](DiscProblem::Kind kind, std::wstring file) {
    DiscProblem& problem = problems_.emplace_back();
    problem.kind = kind;
    problem.file = std::move(file);
  };
  for (const int percent : kSkinSetPercents) {
    if (percent == 100) continue;
    std::vector<std::wstring> missing;
    for (const Skin skin : DiscFolder::kSkins) {
      if (!files_.IsFile(disc_.SkinFile(skin, percent))) missing.push_back(disc_.SkinFile(skin, percent));
    }
    if (missing.size() == DiscFolder::kSkins.size()) continue;  // no set for this scale
    for (std::wstring& file : missing) report(DiscProblem::Kind::kSkinSetIncomplete, std::move(file));
    if (!missing.empty()) continue;  // the launcher does not use it
    // A whole set is what the launcher loads on a screen of that scale.
    for (const Skin skin : DiscFolder::kSkins) {
      const std::wstring file = disc_.SkinFile(skin, percent);
      switch (ReadPicture(file)) {
        case PictureRead::kBitmap: break;
        case PictureRead::kTooLarge: report(DiscProblem::Kind::kPictureTooLarge, file); continue;
        case PictureRead::kNotChecked: report(DiscProblem::Kind::kPictureNotChecked, file); continue;
        default: report(DiscProblem::Kind::kSkinNotBitmap, file); continue;
      }
      const std::optional<PictureSize> base = pictures_.BitmapSize(disc_.SkinFile(skin));
      const std::optional<PictureSize> scaled = pictures_.BitmapSize(file);
      if (!base || !scaled) continue;  // the 1x skin is reported already
      if (!SetSizeMatches(scaled->width, percent, base->width) ||
          !SetSizeMatches(scaled->height, percent, base->height)) {
        report(DiscProblem::Kind::kSkinSetWrongSize, file);
      }
    }
  }
}

DiscProblem& DiscCheck::ReportRecord(DiscProblem::Kind kind, int slot) {
  DiscProblem& problem = problems_.emplace_back();
  problem.kind = kind;
  problem.slot = slot;
  problem.title = entries_[static_cast<std::size_t>(slot)].title;
  return problem;
}

void DiscCheck::CheckProgram(int slot) {
  const CatalogueEntry& entry = entries_[static_cast<std::size_t>(slot)];
  auto report = [&](DiscProblem::Kind kind, std::wstring file) -> DiscProblem& {
    DiscProblem& problem = ReportRecord(kind, slot);
    problem.file = std::move(file);
    return problem;
  };
  // What Install does, by the launcher's own rule.
  const InstallPlan plan = PlanInstall(entries_, slot, disc_, files_);
  std::wstring checkedPath = entry.path;
  switch (plan.kind) {
    case InstallPlan::Kind::kNothing: break;
    case InstallPlan::Kind::kFileNotFound: report(DiscProblem::Kind::kProgramNotFound, plan.target.file); break;
    case InstallPlan::Kind::kStart:
      // The program's name as found, so that its arguments are not taken for names.
      checkedPath = plan.target.file.substr(disc_.Folder().size());
      CheckStartedFile(slot, plan.target.file);
      break;
    case InstallPlan::Kind::kFolderWindow: {
      const std::wstring folder = FolderTheWindowShows(entry.path, plan.select);
      if (files_.Probe(folder) != PathKind::kFolder) report(DiscProblem::Kind::kFolderMissing, folder);
      break;
    }
  }
  for (PathFinding& finding : CheckEntryPath(checkedPath)) {
    report(DiscProblem::Kind::kPathBreaksRule, checkedPath).pathFinding = std::move(finding);
  }
}

void DiscCheck::CheckStartedFile(int slot, const std::wstring& file) {
  EntryFile& started = startedFiles_.emplace_back();
  started.slot = slot;
  started.title = entries_[static_cast<std::size_t>(slot)].title;
  started.file = file;
  started.kind = KindOfFile(file);
  if (started.kind != EntryFile::Kind::kProgram) return;
  const auto [at, added] = programCache_.try_emplace(file);
  if (added) at->second = programs_.ReadProgram(file);
  started.program = at->second;
  if (!started.program) return;  // not readable now: nothing to tell of it
  if (!started.program->valid) {
    ReportRecord(DiscProblem::Kind::kProgramInvalid, slot).file = file;
  } else if (started.program->machine != Machine::kX86) {
    DiscProblem& problem = ReportRecord(DiscProblem::Kind::kProgramNot32Bit, slot);
    problem.file = file;
    problem.machine = started.program->machine;
  }
}

void DiscCheck::CheckRecord(int slot) {
  const CatalogueEntry& entry = entries_[static_cast<std::size_t>(slot)];
  auto report = [&](DiscProblem::Kind kind) -> DiscProblem& { return ReportRecord(kind, slot); };

  CheckProgram(slot);

  // The picture, as the picture window would load it.
  if (const std::optional<std::wstring> picture = disc_.PictureFile(entry)) {
    switch (ReadPicture(*picture)) {
      case PictureRead::kBitmap:
      case PictureRead::kOtherPicture: break;
      case PictureRead::kMissing: report(DiscProblem::Kind::kPictureMissing).file = *picture; break;
      case PictureRead::kUnreadable: report(DiscProblem::Kind::kPictureUnreadable).file = *picture; break;
      case PictureRead::kTooLarge: report(DiscProblem::Kind::kPictureTooLarge).file = *picture; break;
      case PictureRead::kNotChecked: report(DiscProblem::Kind::kPictureNotChecked).file = *picture; break;
    }
  }

  // The fields, written as a save writes them and read back as both programs read them.
  std::string bytes;
  EncodeFailure failure;
  if (!EncodeCatalogue({entry}, bytes, failure)) {
    report(DiscProblem::Kind::kFieldNotSaved).field = failure.field;
    return;
  }
  const CatalogueRead read = ReadCatalogue(bytes);
  const CatalogueEntry readBack = read.entries.empty() ? CatalogueEntry{} : read.entries.front();
  for (Field field : kFieldsInLineOrder) {
    if (FieldText(readBack, field) == FieldText(entry, field)) continue;
    DiscProblem& problem = report(DiscProblem::Kind::kFieldChanges);
    problem.field = field;
    problem.readBack = FieldText(readBack, field);
  }
}

std::vector<DiscProblem> CheckDisc(std::vector<CatalogueEntry> entries, const DiscFolder& disc,
                                   const FileProbe& files, const PictureProbe& pictures,
                                   const ProgramProbe& programs) {
  DiscCheck check(std::move(entries), disc, files, pictures, programs);
  while (check.Step(kSlotCount)) {
  }
  return check.Problems();
}

}  // namespace discfront::editor
