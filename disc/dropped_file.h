// What becomes of a file or folder the author drops on the editor's entries list: an
// entry with its disc path and title, an entry's picture, a file to copy into the disc
// folder first, or a refusal with its reason. Decided without windows; the file system
// is asked through an interface that tests fill with a table.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_entry.h"
#include "disc/entry_path_rules.h"
#include "disc/file_probe.h"
#include "disc/program_image.h"

namespace discfront {

class DropFiles : public FileProbe {
 public:
  // The names (not paths) of what a folder holds.
  virtual std::vector<std::wstring> List(const std::wstring& folder) const = 0;
  // The file's bytes; null when it cannot be opened for reading.
  virtual std::unique_ptr<ByteSource> Open(const std::wstring& path) const = 0;
};

struct DroppedFile {
  enum class Kind {
    kEntry,              // entry: a new entry for the program or document
    kPicture,            // discPath: the new picture of the entry it was dropped on
    kNeedsCopying,       // outside the disc folder: the author may copy it in
    kNoDiscFolder,       // the catalogue has no folder yet: it must be saved first
    kUnreadable,         // missing, or cannot be opened
    kReservedCharacter,  // its disc path holds "@", "#", "&" or "$", which the catalogue cannot
    kBreaksPathRules,    // findings: the rules its disc path breaks
    kNoPrograms,         // a folder with no programs in it
  };
  Kind kind = Kind::kEntry;
  std::wstring source;    // the dropped path (for a folder's program, that program's)
  std::wstring discPath;  // relative to the disc folder, beginning with "\"
  CatalogueEntry entry;
  std::vector<PathFinding> findings;

  bool operator==(const DroppedFile&) const = default;
};

// The path of `path` inside `discFolder`, beginning with "\" (letter case as dropped);
// nothing when it lies outside. Both are full paths; "/" counts as "\".
std::optional<std::wstring> DiscPathOf(const std::wstring& discFolder, const std::wstring& path);

// What each dropped path becomes, in the order dropped; a folder adds its programs (.exe,
// .msi, .bat, .cmd), one level deep, by name. `onEntry`: the drop is on an existing
// entry, so a picture dropped alone becomes its picture (with others it is an entry like
// any document). `language` picks the version texts' table.
std::vector<DroppedFile> ClassifyDrop(const std::wstring& discFolder, const std::vector<std::wstring>& dropped,
                                      bool onEntry, const DropFiles& files, std::uint16_t language);

// Where a file from outside the disc folder goes when the author copies it in: into
// `subfolder` of the disc folder, by its own name. `exists`: a file is there already
// (or an earlier one of the same copy goes there), to be overwritten only when asked.
// A file whose disc path would break the path rules (`findings`) or hold a catalogue
// separator is not copied: its entry could not be made.
struct CopyIn {
  std::wstring source;
  std::wstring target;
  std::wstring discPath;
  bool exists = false;
  bool reservedCharacter = false;
  std::vector<PathFinding> findings;

  bool operator==(const CopyIn&) const = default;
};

inline constexpr std::wstring_view kDefaultCopyFolder = L"progs";

std::vector<CopyIn> PlanCopyIn(const std::wstring& discFolder, const std::wstring& subfolder,
                               const std::vector<std::wstring>& sources, const FileProbe& probe);

}  // namespace discfront
