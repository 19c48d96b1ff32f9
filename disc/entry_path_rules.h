// What an entry's path must be to name the same file on every machine that reads the
// disc: the launcher appends it to its own folder, so it starts with "\", stays inside
// that folder, names no drive, server or device, and fits what a CD's Joliet names
// and the system's paths hold. The editor's disc check reports each rule a path breaks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace discfront {

// A Joliet disc keeps names of up to 64 characters.
inline constexpr std::size_t kLongestPathComponent = 64;
// The system's paths hold 260 characters with the terminating null; on the disc the
// path follows a drive ("D:").
inline constexpr std::size_t kLongestFullPath = 260;

struct PathFinding {
  enum class Kind {
    kNotFromDiscFolder,  // does not begin with "\"
    kLeavesDiscFolder,   // a ".." component
    kDriveLetter,        // "C:" somewhere in it; part: the letter and colon
    kServer,             // begins with "\\" (a server's name)
    kDeviceName,         // CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or without extension; part: the component
    kComponentTooLong,   // part: the component
    kPathTooLong,        // the drive and the path do not fit the system's path
  };
  Kind kind = Kind::kNotFromDiscFolder;
  std::wstring part;

  bool operator==(const PathFinding&) const = default;
};

// The rules `path` breaks, each once, in the order of the kinds above. An empty path
// breaks none (it starts nothing).
std::vector<PathFinding> CheckEntryPath(std::wstring_view path);

}  // namespace discfront
