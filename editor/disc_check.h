// The disc check: the disc folder looked at as the launcher will see it, without
// writing anything. It finds what would go wrong when the menu runs: the launcher,
// its description or a skin missing, a skin that is no bitmap, a set of skins for
// another scale that is incomplete or not of its scale, a background whose
// outline the launcher will not cut (nothing left, or too many pieces), a picture
// above the size caps, an entry whose program Install would not find or whose folder
// window has no folder to open, a path that would not name the same file on another
// machine, an entry whose picture the picture loader cannot read, a field that a
// save would not bring back as it was typed, and a program that will not start on
// 32-bit Windows or is no valid program at all. It also tells, for each entry that
// starts a file, what that file is: the program's machine, console and asked rights,
// or a script or document the system opens.
//
// The findings are plain values in record order (the disc's own files first); the
// window only lists them. The check runs in steps so that a window can show its
// progress and stop it between two steps.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue_entry.h"
#include "disc/disc_folder.h"
#include "disc/entry_path_rules.h"
#include "disc/file_probe.h"
#include "disc/program_image.h"
#include "catalogue/splitter.h"

namespace discfront::editor {

// What the picture loader makes of a file.
enum class PictureRead {
  kMissing,       // no such file
  kUnreadable,    // there is a file, but the loader reads no picture from it
  kBitmap,        // a bitmap picture
  kOtherPicture,  // an icon or metafile (fine for an entry, not for a skin)
  kTooLarge,      // above the byte or pixel caps: refused before it is decoded
  kNotChecked,    // the file is there, but no picture loader was asked (a build without one)
};

struct PictureSize {
  int width = 0, height = 0;  // pixels
};

// Asks the picture loader about a file; an interface so that the check is tested with a table.
class PictureProbe {
 public:
  virtual ~PictureProbe() = default;
  virtual PictureRead Read(const std::wstring& path) const = 0;
  // The number of rectangles of a bitmap's outline (its pixels other than the skin key)
  // as the launcher cuts it at `dpi` from a skin set drawn for `percent`: resampled to
  // its size there. Nothing if it is no bitmap that can be read, or too large at `dpi`.
  virtual std::optional<std::size_t> OutlineRectangles(const std::wstring& path, int percent, int dpi) const = 0;
  // A bitmap's size, nothing if it is no bitmap that can be read.
  virtual std::optional<PictureSize> BitmapSize(const std::wstring& path) const = 0;
};

struct DiscProblem {
  enum class Kind {
    kLauncherMissing,     // no discfront.exe
    kDescriptionMissing,  // no info.txt
    kSkinMissing,         // a skin file is not there
    kSkinNotBitmap,       // a skin file is no bitmap the loader reads
    kOutlineEmpty,        // every pixel of the background is the key colour (at a scale)
    kOutlineTooComplex,   // at a scale, the background's outline has more rectangles than the display takes
    kSkinSetIncomplete,   // a set for another scale (skin\150, skin\200) lacks this file
    kSkinSetWrongSize,    // a set's picture is not 1.5 or 2 times its 1x picture
    kPictureTooLarge,     // a skin or picture above the caps (slot -1 for a skin)
    kProgramNotFound,     // Install would say "Файл не найден."
    kFolderMissing,       // the folder window's folder is not there
    kPathBreaksRule,      // pathFinding says which rule; file: the path as checked
    kPictureMissing,      // the picture file is not there
    kPictureUnreadable,   // the picture file is no picture the loader reads
    kFieldChanges,        // the field reads back otherwise after a save
    kFieldNotSaved,       // the record cannot be saved so that this field reads back whole
    kProgramNot32Bit,     // built for another machine than x86 (machine says which)
    kProgramInvalid,      // named .exe, but no program the system starts
    kPictureNotChecked,   // a skin or picture that is there but was not decoded (no picture loader)
  };
  Kind kind = Kind::kLauncherMissing;
  int slot = -1;       // the record; -1 for the disc's own files
  std::wstring title;  // the record's title
  std::wstring file;   // the file concerned
  Field field = Field::kPath;  // kFieldChanges, kFieldNotSaved
  std::wstring readBack;       // kFieldChanges: what a reader gets back
  PathFinding pathFinding;     // kPathBreaksRule
  Machine machine = Machine::kX86;  // kProgramNot32Bit
  int percent = 100;                // kOutlineEmpty, kOutlineTooComplex: the scale it is cut at

  bool operator==(const DiscProblem&) const = default;
};

// What an entry starts: a program (named .exe), a script, or a document that the
// program associated with its kind opens.
struct EntryFile {
  enum class Kind { kProgram, kScript, kDocument };
  int slot = -1;
  std::wstring title;
  std::wstring file;
  Kind kind = Kind::kDocument;
  // kProgram: what the file says of itself (not valid when it is no program);
  // nothing when it could not be read.
  std::optional<ProgramImage> program;

  bool operator==(const EntryFile&) const = default;
};

EntryFile::Kind KindOfFile(const std::wstring& file);

class DiscCheck {
 public:
  // The probes must outlive the check.
  DiscCheck(std::vector<CatalogueEntry> entries, DiscFolder disc, const FileProbe& files,
            const PictureProbe& pictures, const ProgramProbe& programs);

  // Checks the next `records` records (the first step checks the disc's own files
  // too). False once everything has been checked.
  bool Step(int records);
  // Leaves out the disc's own files (the skins and their outlines at every scale, the most
  // work of a check): for the entries list, which asks only about the records.
  void SkipDiscFiles() { discFilesChecked_ = true; }

  // The disc's own files are checked even when there are no records.
  bool Finished() const { return discFilesChecked_ && next_ >= Total(); }
  int Done() const { return next_; }  // records checked
  int Total() const { return static_cast<int>(entries_.size()); }
  const std::vector<DiscProblem>& Problems() const { return problems_; }
  // In record order, the entries that start a file which is there.
  const std::vector<EntryFile>& StartedFiles() const { return startedFiles_; }

 private:
  void CheckDiscFiles();
  // The background's outline at each scale the launcher has a set for.
  void CheckOutlines();
  // The sets of skins for other scales: all four files or none, each of its scale.
  void CheckSkinSets();
  void CheckRecord(int slot);
  // What Install does with the record's path, and the rules the path breaks.
  void CheckProgram(int slot);
  DiscProblem& ReportRecord(DiscProblem::Kind kind, int slot);
  PictureRead ReadPicture(const std::wstring& path);
  // What the started file is, with the findings about a program.
  void CheckStartedFile(int slot, const std::wstring& file);

  std::vector<CatalogueEntry> entries_;
  DiscFolder disc_;
  const FileProbe& files_;        // not owned
  const PictureProbe& pictures_;  // not owned
  const ProgramProbe& programs_;  // not owned
  std::map<std::wstring, PictureRead> pictureCache_;  // entries often share a picture
  std::map<std::wstring, std::optional<ProgramImage>> programCache_;  // and a program
  std::vector<EntryFile> startedFiles_;
  bool discFilesChecked_ = false;
  int next_ = 0;
  std::vector<DiscProblem> problems_;
};

// The whole check at once.
std::vector<DiscProblem> CheckDisc(std::vector<CatalogueEntry> entries, const DiscFolder& disc,
                                   const FileProbe& files, const PictureProbe& pictures,
                                   const ProgramProbe& programs);

}  // namespace discfront::editor
