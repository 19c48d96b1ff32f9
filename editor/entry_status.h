// The status column of the entries list: what the disc check found for each record,
// as kinds a row shows with an icon and a word, and a tooltip that explains them all.
// Decided here from the check's findings, so that the list and F5 never disagree.
#pragma once

#include <string>
#include <vector>

#include "catalogue/catalogue_entry.h"
#include "disc/disc_folder.h"
#include "disc/file_probe.h"
#include "disc_check.h"

namespace discfront::editor {

// Worst first: the order is the order a row lists them in, and its first is what the
// column shows.
enum class EntryStatus {
  kProgramMissing,  // Install finds no program (or the folder window no folder)
  kNotAProgram,     // named .exe, but no program the system starts
  kNotSaved,        // a save cannot keep the record as typed
  kNot32Bit,        // the program will not start on 32-bit Windows
  kPicture,         // the picture is missing, unreadable or above the caps
  kPathRule,        // the path would not name the same file on another machine
  kFieldsChange,    // a field reads back otherwise after a save
  kAdministrator,   // the program asks for administrator rights (not a fault: a notice)
  kNotChecked,      // the check has not reached the record, or could not look at a part
  kFine,
};

// What the column draws beside the word.
enum class StatusIcon { kNone, kError, kWarning, kShield, kInformation };

struct CheckFindings {
  const std::vector<DiscProblem>& problems;
  const std::vector<EntryFile>& startedFiles;
  // By record, the launcher's own finding (EntriesAskingAdministrator); may be shorter.
  const std::vector<bool>& asksAdministrator;
  int recordsChecked = 0;  // the records the check got through (DiscCheck::Done)
};

// The statuses of each of `records` records, each kind once, worst first; never empty.
std::vector<std::vector<EntryStatus>> StatusesOfEntries(int records, const CheckFindings& findings);

std::wstring StatusWord(EntryStatus status);
std::wstring StatusTooltip(EntryStatus status);
StatusIcon IconOf(EntryStatus status);

// What the status column shows for a row: the worst status's icon and word, and a
// tooltip with every status's explanation, one a line.
struct StatusCell {
  EntryStatus shown = EntryStatus::kNotChecked;
  StatusIcon icon = StatusIcon::kInformation;
  std::wstring word;
  std::wstring tooltip;
};
StatusCell CellOf(const std::vector<EntryStatus>& statuses);

// The file whose icon a row shows: the program Install starts (or would start, when it
// is missing, by its type), or the folder a folder window opens.
struct IconFile {
  enum class Kind { kNone, kFile, kMissingFile, kFolder };
  Kind kind = Kind::kNone;
  std::wstring path;

  bool operator==(const IconFile&) const = default;
};
IconFile IconFileOf(const std::vector<CatalogueEntry>& entries, int slot, const DiscFolder& disc,
                    const FileProbe& files);

}  // namespace discfront::editor
