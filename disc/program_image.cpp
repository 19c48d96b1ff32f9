#include "program_image.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "disc/manifest_level.h"

namespace discfront {
namespace {

// Numbers of the PE format (little-endian throughout).
constexpr std::uint16_t kMachineI386 = 0x014C;
constexpr std::uint16_t kMachineAmd64 = 0x8664;
constexpr std::uint16_t kMachineArm64 = 0xAA64;
constexpr std::uint16_t kExecutableImage = 0x0002;  // a file characteristic
constexpr std::uint16_t kMagicPe32 = 0x010B;
constexpr std::uint16_t kMagicPe32Plus = 0x020B;
constexpr std::uint16_t kConsoleSubsystem = 3;
constexpr std::size_t kSubsystemOffset = 68;  // in the optional header, in both forms
constexpr std::size_t kResourceDirectory = 2;
constexpr std::uint32_t kManifestType = 24;
constexpr std::uint32_t kProgramManifestId = 1;
constexpr std::uint32_t kSubdirectoryBit = 0x80000000;
// The system loads no program with more sections; a manifest above this size is no
// manifest a program is built with.
constexpr std::uint16_t kMostSections = 96;
constexpr std::uint32_t kLargestManifest = 64 * 1024;

std::uint16_t U16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t U32(const unsigned char* p) { return U16(p) | static_cast<std::uint32_t>(U16(p + 2)) << 16; }

struct Section {
  std::uint32_t address;  // relative virtual address
  std::uint32_t rawSize;
  std::uint32_t rawOffset;
};

class Image {
 public:
  explicit Image(const ByteSource& file) : file_(file) {}

  template <std::size_t N>
  bool Read(std::uint64_t offset, std::array<unsigned char, N>& out) const {
    return file_.ReadAt(offset, N, out.data());
  }

  // The file offset of a relative virtual address, if a section's bytes in the file hold it.
  std::optional<std::uint64_t> OffsetOf(std::uint32_t address, std::uint32_t size) const {
    for (const Section& s : sections_) {
      if (address < s.address) continue;
      const std::uint64_t into = address - s.address;
      if (into + size <= s.rawSize) return std::uint64_t{s.rawOffset} + into;
    }
    return std::nullopt;
  }

  bool ReadSections(std::uint64_t table, std::uint16_t count) {
    for (std::uint16_t i = 0; i < count; ++i) {
      std::array<unsigned char, 40> header{};
      if (!Read(table + 40ull * i, header)) return false;
      const Section s{U32(&header[12]), U32(&header[16]), U32(&header[20])};
      // A section whose bytes are not all in the file: a truncated copy.
      if (s.rawSize != 0 && std::uint64_t{s.rawOffset} + s.rawSize > file_.Size()) return false;
      sections_.push_back(s);
    }
    return true;
  }

  // The resource of `type` named `name` (or else, when `orFirst`, the first one) in the
  // resource directory at `address`, cut to `largest` bytes.
  std::optional<std::string> Resource(std::uint32_t address, std::uint32_t type, std::uint32_t name,
                                      std::uint32_t largest, bool orFirst) const {
    const std::optional<std::uint64_t> root = OffsetOf(address, 16);
    if (!root) return std::nullopt;
    std::optional<std::uint32_t> types = Entry(*root, type, true);
    if (!types) return std::nullopt;
    std::optional<std::uint32_t> names = Entry(*root + *types, name, true);
    if (!names && orFirst) names = Entry(*root + *types, std::nullopt, true);
    if (!names) return std::nullopt;
    const std::optional<std::uint32_t> language = Entry(*root + *names, std::nullopt, false);
    std::array<unsigned char, 16> data{};
    if (!language || !Read(*root + *language, data)) return std::nullopt;
    const std::uint32_t size = std::min(U32(&data[4]), largest);
    const std::optional<std::uint64_t> text = OffsetOf(U32(&data[0]), size);
    if (!text) return std::nullopt;
    std::string bytes(size, '\0');
    if (!file_.ReadAt(*text, size, bytes.data())) return std::nullopt;
    return bytes;
  }

 private:
  // The offset (from the resource root) of the first entry of the directory at `directory`
  // with the given number (any when none is given) that leads to a directory or, when
  // `subdirectory` is false, to data.
  std::optional<std::uint32_t> Entry(std::uint64_t directory, std::optional<std::uint32_t> id,
                                     bool subdirectory) const {
    std::array<unsigned char, 16> header{};
    if (!Read(directory, header)) return std::nullopt;
    const std::uint32_t named = U16(&header[12]);
    const std::uint32_t count = named + U16(&header[14]);
    for (std::uint32_t i = id ? named : 0; i < count; ++i) {  // numbered entries follow the named ones
      std::array<unsigned char, 8> entry{};
      if (!Read(directory + 16 + 8ull * i, entry)) return std::nullopt;
      const std::uint32_t name = U32(&entry[0]);
      const std::uint32_t offset = U32(&entry[4]);
      if (id && name != *id) continue;
      if (((offset & kSubdirectoryBit) != 0) != subdirectory) continue;
      return offset & ~kSubdirectoryBit;  // three levels at most: a directory naming itself goes nowhere
    }
    return std::nullopt;
  }

  const ByteSource& file_;
  std::vector<Section> sections_;
};

// The headers of a program file, and where its resource directory is (0: none).
struct Headers {
  ProgramImage program;
  std::uint32_t resources = 0;
};

Headers ReadHeaders(Image& image, const ByteSource& file) {
  std::array<unsigned char, 64> dos{};
  if (!image.Read(0, dos) || dos[0] != 'M' || dos[1] != 'Z') return {};
  const std::uint64_t pe = U32(&dos[0x3C]);
  std::array<unsigned char, 24> header{};
  if (!image.Read(pe, header) || std::memcmp(header.data(), "PE\0\0", 4) != 0) return {};
  const std::uint16_t sections = U16(&header[6]);
  const std::uint16_t optionalSize = U16(&header[20]);
  if ((U16(&header[22]) & kExecutableImage) == 0 || sections > kMostSections) return {};

  std::array<unsigned char, 240> optional{};  // the longest optional header's fixed part
  const std::size_t readable = std::min<std::size_t>(optionalSize, optional.size());
  if (readable < kSubsystemOffset + 2 || !file.ReadAt(pe + 24, readable, optional.data())) return {};
  const std::uint16_t magic = U16(&optional[0]);
  if (magic != kMagicPe32 && magic != kMagicPe32Plus) return {};
  if (!image.ReadSections(pe + 24 + optionalSize, sections)) return {};

  Headers headers;
  ProgramImage& program = headers.program;
  program.valid = true;
  program.machine = MachineOf(U16(&header[4]));
  program.console = U16(&optional[kSubsystemOffset]) == kConsoleSubsystem;

  const std::size_t directories = magic == kMagicPe32 ? 96 : 112;  // where the data directories start
  const std::size_t resources = directories + 8 * kResourceDirectory;
  if (resources + 8 <= readable && U32(&optional[directories - 4]) > kResourceDirectory) {
    headers.resources = U32(&optional[resources]);
  }
  return headers;
}

}  // namespace

Machine MachineOf(std::uint16_t code) {
  switch (code) {
    case kMachineI386: return Machine::kX86;
    case kMachineAmd64: return Machine::kX64;
    case kMachineArm64: return Machine::kArm64;
    default: return Machine::kOther;
  }
}

bool MemoryBytes::ReadAt(std::uint64_t offset, std::size_t size, void* out) const {
  if (offset > bytes_.size() || size > bytes_.size() - offset) return false;
  if (size != 0) std::memcpy(out, bytes_.data() + offset, size);
  return true;
}

ProgramImage ReadProgramImage(const ByteSource& file) {
  Image image(file);
  Headers headers = ReadHeaders(image, file);
  if (headers.resources != 0) {
    // Only the manifest numbered 1: the one the system's loader reads for a program
    // (others are for the program's own use), so no other can promise or deny rights.
    if (const std::optional<std::string> manifest =
            image.Resource(headers.resources, kManifestType, kProgramManifestId, kLargestManifest, false)) {
      headers.program.asksAdministrator = RequestedExecutionLevel(*manifest) != ExecutionLevel::kAsInvoker;
    }
  }
  return headers.program;
}

std::optional<std::string> ReadProgramResource(const ByteSource& file, std::uint32_t type, std::uint32_t name,
                                               std::uint32_t largest) {
  Image image(file);
  const Headers headers = ReadHeaders(image, file);
  if (headers.resources == 0) return std::nullopt;
  return image.Resource(headers.resources, type, name, largest, true);
}

}  // namespace discfront
