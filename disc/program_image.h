// What a Windows program file says about itself, read from its bytes without starting
// it: the processor it is built for, whether it is a console program and whether its
// manifest asks for administrator rights. The file may be anything a disc holds, so
// every offset and size it gives is checked against the file before it is used.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace discfront {

// Random access to a file's bytes: the reader looks at a few small pieces of a file
// that may be hundreds of megabytes long.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint64_t Size() const = 0;
  // Copies `size` bytes from `offset` into `out`; false unless all of them could be read.
  virtual bool ReadAt(std::uint64_t offset, std::size_t size, void* out) const = 0;
};

class MemoryBytes final : public ByteSource {
 public:
  explicit MemoryBytes(std::span<const unsigned char> bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  bool ReadAt(std::uint64_t offset, std::size_t size, void* out) const override;

 private:
  std::span<const unsigned char> bytes_;
};

enum class Machine { kX86, kX64, kArm64, kOther };

// The machine of a program header's (or the system's) IMAGE_FILE_MACHINE_ number.
Machine MachineOf(std::uint16_t code);

struct ProgramImage {
  bool valid = false;  // a Windows program at all: the MZ and PE headers are whole
  Machine machine = Machine::kOther;
  bool console = false;            // the console subsystem
  bool asksAdministrator = false;  // its manifest requires administrator or the highest rights

  bool operator==(const ProgramImage&) const = default;
};

ProgramImage ReadProgramImage(const ByteSource& file);

// The bytes of a program's resource of `type` named `name` (or else its first of that
// type), at most `largest` of them; nothing when the file holds none or is no program.
std::optional<std::string> ReadProgramResource(const ByteSource& file, std::uint32_t type, std::uint32_t name,
                                               std::uint32_t largest);

// Reads a program file on the disc; nothing when the file cannot be opened or read.
// An interface, so that what uses the reading is tested with a table.
class ProgramProbe {
 public:
  virtual ~ProgramProbe() = default;
  virtual std::optional<ProgramImage> ReadProgram(const std::wstring& path) const = 0;
};

}  // namespace discfront
