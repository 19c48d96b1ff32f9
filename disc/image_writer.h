// Writes a planned image: its structures, then every file's bytes streamed in large
// blocks, into a temporary file beside the target that takes the target's name only
// when complete. A failure or a cancel leaves no partial file and leaves whatever
// the target was untouched.
#pragma once

#include <cstddef>
#include <cstdint>
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

// Where the image's bytes go: a file beside the target while they are written, which
// takes the target's name only once complete. FilesystemImageFile
// (filesystem_image_file.h) writes through the standard library, win32::SystemImageFile
// through the system's own calls.
class ImageFile {
 public:
  virtual ~ImageFile() = default;
  // Creates the new file beside the target, under a name no file has.
  virtual std::error_code Create() = 0;
  virtual std::error_code Write(const char* bytes, std::size_t size) = 0;
  // An error here means the last bytes may not have reached the file.
  virtual std::error_code Close() = 0;
  // Gives the closed file the target's name, in place of whatever had it.
  virtual std::error_code Rename() = 0;
  // Closes the new file, if open, and removes it.
  virtual void Remove() = 0;
};

ImageWriteResult WriteImage(const ImagePlan& plan, FolderSource& source, ImageFile& image,
                            const ImageProgress& progress);

}  // namespace discfront
