// The plan of an ISO 9660 image with a Unicode (Joliet) tree: every file and folder
// of a source with its names in both trees, and where each part lies on the disc.
// Everything that decides the image's bytes is here, so one folder always gives one
// plan; writing it (image_writer.h) only carries it out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "disc/folder_source.h"

namespace discfront {

inline constexpr std::uint32_t kSectorSize = 2048;
// The primary tree's deepest level, the root being level 1.
inline constexpr int kPrimaryLevels = 8;
inline constexpr std::uint64_t kMaxFileSize = 0xFFFFFFFFu;

struct ImageRefusal {
  enum class Reason {
    kNameTooLong,      // more than 64 characters
    kBadCharacter,     // a control character, * / : ; ? \, or one beyond UCS-2
    kUndecodableName,  // a name that is not text
    kTooLarge,         // a file of 4 GiB or more
    kUnreadable,       // a file that cannot be opened or a folder that cannot be listed
    kFolderLoop,       // a link to a folder that holds it
    kCaseTwin,         // another name in its folder differs from it only in case
    kTooManyFolders,   // more than a path table can number (65535)
  };
  Reason reason;
  SourcePath path;  // empty for the whole folder
  bool operator==(const ImageRefusal&) const = default;
};

struct ImageNode {
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  bool folder = false;
  bool primaryOnly = false;          // the primary tree's folder of relocated deep folders
  std::u16string name;               // as in the source; the Unicode tree's name
  std::u16string jolietId;           // on the disc: the name, ";1" after a file's
  std::string primaryId;             // on the disc: NAME.EXT;1 or NAME
  std::uint64_t size = 0;            // a file's bytes
  std::int64_t modified = 0;         // seconds since 1970-01-01 UTC
  std::size_t parent = kNone;        // in the Unicode tree
  std::size_t primaryParent = kNone;
  std::vector<std::size_t> children;         // in the Unicode tree, in record order
  std::vector<std::size_t> primaryChildren;  // in the primary tree, in record order
  // A file's data; a folder's extents and its numbers in the path tables (from 1).
  std::uint32_t sector = 0;
  std::uint32_t primarySector = 0, primaryBytes = 0, primaryNumber = 0;
  std::uint32_t jolietSector = 0, jolietBytes = 0, jolietNumber = 0;
};

struct ImageOptions {
  std::u16string label;
  std::int64_t volumeTime = 0;  // seconds since 1970-01-01 UTC: the volume's own dates
};

struct ImagePlan {
  std::vector<ImageNode> nodes;              // nodes[0] is the root of both trees
  std::vector<std::size_t> primaryFolders;   // in path table order
  std::vector<std::size_t> jolietFolders;    // in path table order
  std::vector<std::size_t> files;            // in the order their data lies
  std::uint32_t primaryPathTableBytes = 0, jolietPathTableBytes = 0;
  std::uint32_t primaryPathTableL = 0, primaryPathTableM = 0;  // sectors
  std::uint32_t jolietPathTableL = 0, jolietPathTableM = 0;
  std::uint32_t sectors = 0;                 // of the whole image
  std::string primaryLabel;
  std::u16string jolietLabel;
  std::int64_t volumeTime = 0;

  std::uint64_t Bytes() const { return std::uint64_t{sectors} * kSectorSize; }
  SourcePath PathOf(std::size_t node) const;
};

struct PlanResult {
  std::optional<ImagePlan> plan;       // when nothing is refused
  std::vector<ImageRefusal> refusals;  // every entry the image cannot hold, in sorted order
};

PlanResult PlanImage(FolderSource& source, const ImageOptions& options);

// The volume's dates: SOURCE_DATE_EPOCH's when it holds a whole number of seconds,
// else now.
std::int64_t VolumeTime(const char* sourceDateEpoch, std::int64_t now);

}  // namespace discfront
