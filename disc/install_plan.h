// What Install does for an entry, decided without touching a window or starting
// anything: the launcher carries the plan out, and the editor's disc check asks the
// same question of every entry.
//
// An entry's path is appended to the disc folder. A path of one character opens a
// folder window on the disc folder; a path whose second-to-last character is "/"
// opens a folder window on the folder plus the path; an empty path does nothing;
// any other path is a program to start, minimized. The program is never handed to
// the system as an unquoted command line: the file is found first (ProgramTarget).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue_entry.h"
#include "disc/disc_folder.h"
#include "disc/file_probe.h"

namespace discfront {

// Show states handed to what is started.
constexpr int kShowNormal = 1;     // normal, with focus
constexpr int kShowMinimized = 2;  // minimized, with focus

// A program file and the arguments that follow it.
struct ProgramTarget {
  std::wstring file;
  std::wstring arguments;
  bool operator==(const ProgramTarget&) const = default;
};

// The file that the disc folder followed by an entry's path names, found safely:
// the whole name when it is an existing file (no arguments); otherwise the longest
// leading part that ends before a blank of the path and names an existing file, the
// text after that blank being its arguments. Each candidate that has no extension is
// tried as it stands, then with ".exe", as the system's process creator always
// completed it. Nothing when no such file exists. So
// "\My Tools\setup.exe" never starts a planted "\My.exe" while the real file is
// there, and a blank in the disc folder's own name is never taken for the end of a
// program name.
std::optional<ProgramTarget> FindProgramTarget(const DiscFolder& disc, const std::wstring& path,
                                               const FileProbe& files);

struct InstallPlan {
  enum class Kind {
    kNothing,       // an empty path
    kFolderWindow,  // a folder window with `select` selected
    kStart,         // start target.file with target.arguments
    kFileNotFound,  // the program is not there: "Файл не найден."
  };
  Kind kind = Kind::kNothing;
  std::wstring select;        // kFolderWindow: the path to select in the folder window
  ProgramTarget target;       // kStart
  int showState = kShowMinimized;

  bool operator==(const InstallPlan&) const = default;
};

// The arguments of the system's folder window that selects `path`, quoted so that a
// path with blanks or commas stays whole: /select,"path".
std::wstring FolderWindowArguments(const std::wstring& path);

// What Install does for the selected index (-1 or any index out of 0..1000 when
// nothing is selected: then the first entry's program is started, without the
// folder-window rules, as the launcher always has). An index past the entries read
// has an empty path.
InstallPlan PlanInstall(const std::vector<CatalogueEntry>& entries, int selected, const DiscFolder& disc,
                        const FileProbe& files);

}  // namespace discfront
