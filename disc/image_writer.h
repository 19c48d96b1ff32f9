// Writes a planned image: its structures, then every file's bytes streamed in large
// blocks, into a temporary file beside the target that takes the target's name only
// when complete. A failure or a cancel leaves no partial file and leaves whatever
// the target was untouched.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <system_error>

#include "disc/folder_source.h"
#include "disc/image_plan.h"

namespace discfront {

// Told the bytes written of the total and the file being written (empty while the
// image's own structures are); returns false to cancel.
using ImageProgress = std::function<bool(std::uint64_t done, std::uint64_t total, const SourcePath& file)>;

struct ImageWriteResult {
  enum class Outcome {
    kWritten,
    kCancelled,
    kCannotCreate,  // the temporary file beside the target
    kWriteFailed,   // e.g. a full disk
    kReadFailed,    // file: a read error
    kFileChanged,   // file: its size is no longer the planned one
    kCannotRename,  // the finished image could not take the target's name
  };
  Outcome outcome = Outcome::kWritten;
  SourcePath file;           // for kReadFailed and kFileChanged
  std::error_code error;     // what the system said, where it said something
};

// The size of each read and write.
inline constexpr std::size_t kImageBlock = 1 << 20;

ImageWriteResult WriteImage(const ImagePlan& plan, FolderSource& source, const std::filesystem::path& target,
                            const ImageProgress& progress);

// Whether target would lie inside folder (an image of a folder must not be written
// into the folder: it would take itself in the next time).
bool InsideFolder(const std::filesystem::path& target, const std::filesystem::path& folder);

}  // namespace discfront
