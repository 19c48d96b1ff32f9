// The run-time error numbers by which both programs identify failures.
#pragma once

namespace discfront {

enum class ErrorNumber : int {
  kNone = 0,
  kInvalidCall = 5,            // invalid procedure call or argument
  kOverflow = 6,               // overflow
  kOutOfMemory = 7,            // out of memory: also a file too large to be read whole
  kSubscriptOutOfRange = 9,    // subscript out of range
  kFileNotFound = 53,          // file not found
  kPathFileAccess = 75,        // path/file access error: a file that exists but cannot be read
  kInvalidPicture = 481,       // invalid picture: also one whose header promises more pixels than are taken
};

constexpr int ToInt(ErrorNumber e) { return static_cast<int>(e); }

}  // namespace discfront
