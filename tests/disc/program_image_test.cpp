// The program reader on real program files of both processors (built with the tests)
// and on manifests' texts.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "disc/machine_fit.h"
#include "disc/manifest_level.h"
#include "disc/program_image.h"

namespace discfront {
namespace {

std::vector<unsigned char> Sample(const std::string& name) {
  std::ifstream in(PROGRAM_SAMPLES + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ProgramImage Read(const std::vector<unsigned char>& bytes) { return ReadProgramImage(MemoryBytes(bytes)); }

TEST(ProgramImage, ReadsMachineConsoleAndRightsOfRealFiles) {
  struct Case {
    const char* file;
    ProgramImage expected;
  } cases[] = {
      {"x86-gui.exe", {true, Machine::kX86, false, false}},     // asInvoker
      {"x86-console.exe", {true, Machine::kX86, true, true}},   // requireAdministrator
      {"x64-gui.exe", {true, Machine::kX64, false, true}},      // highestAvailable
      {"x64-console.exe", {true, Machine::kX64, true, false}},  // no manifest
      {"x86-gui-manifest2.exe", {true, Machine::kX86, false, false}},  // the loader reads only manifest 1
      {"truncated.exe", {}},
      {"text.exe", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(Sample(c.file)), c.expected) << c.file;
}

TEST(ProgramImage, TellsOtherMachinesAndRefusesBrokenHeaders) {
  const std::vector<unsigned char> original = Sample("x64-gui.exe");
  ASSERT_GT(original.size(), 0x40u);
  const std::size_t pe = original[0x3C] | original[0x3D] << 8;
  struct Case {
    const char* what;
    std::size_t at;
    std::vector<unsigned char> bytes;
    ProgramImage expected;
  } cases[] = {
      {"ARM64", pe + 4, {0x64, 0xAA}, {true, Machine::kArm64, false, true}},
      {"Itanium", pe + 4, {0x00, 0x02}, {true, Machine::kOther, false, true}},
      {"PE header past the end", 0x3C, {0xF0, 0xFF, 0xFF, 0x7F}, {}},
      {"no PE signature", pe, {'P', 'F'}, {}},
      {"not an executable image", pe + 22, {0x00, 0x00}, {}},
      {"unknown optional header", pe + 24, {0x07, 0x01}, {}},
      {"optional header too short for the subsystem", pe + 20, {0x20, 0x00}, {}},
      {"more sections than the system loads", pe + 6, {0xFF, 0x00}, {}},
      {"no resource directory", pe + 24 + 108, {0x02, 0x00, 0x00, 0x00}, {true, Machine::kX64, false, false}},
  };
  for (const Case& c : cases) {
    std::vector<unsigned char> bytes = original;
    std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin() + static_cast<std::ptrdiff_t>(c.at));
    EXPECT_EQ(Read(bytes), c.expected) << c.what;
  }
}

// Which program each system starts (x86, x64, ARM64, by their IMAGE_FILE_MACHINE_
// numbers): only 64-bit programs on 32-bit Windows and ARM64 ones on x64 are refused.
TEST(MachineFit, RefusesOnlyWhatTheSystemCannotStart) {
  constexpr auto kGo = MachineFit::kStarts, k64 = MachineFit::kNeeds64BitWindows, kArm = MachineFit::kNeedsArmWindows;
  const std::pair<ProgramImage, std::array<MachineFit, 3>> cases[] = {
      {{true, Machine::kX86}, {kGo, kGo, kGo}},   {{true, Machine::kX64}, {k64, kGo, kGo}},
      {{true, Machine::kArm64}, {k64, kArm, kGo}}, {{true, Machine::kOther}, {kGo, kGo, kGo}},
      {{false, Machine::kX64}, {kGo, kGo, kGo}},  // no program: the system's to judge
  };
  for (const auto& [program, fits] : cases) {
    for (int s = 0; s < 3; ++s) {
      EXPECT_EQ(FitOnSystem(program, MachineOf(std::array<std::uint16_t, 3>{0x014C, 0x8664, 0xAA64}[s])), fits[s]) << s;
    }
  }
}

TEST(ManifestLevel, FindsTheLevelAttributeOfTheElement) {
  using L = ExecutionLevel;
  // The same text as UTF-16 with its byte order mark, as some manifests are stored.
  const std::string plain = "<a level='x'/><requestedExecutionLevel level=\"requireAdministrator\"/>";
  std::string utf16 = "\xFF\xFE";
  for (char c : plain) utf16 += {c, '\0'};
  const struct {
    std::string manifest;
    ExecutionLevel level;
  } cases[] = {
      {"<requestedExecutionLevel level=\"requireAdministrator\" uiAccess=\"false\"/>", L::kRequireAdministrator},
      {"<v3:requestedExecutionLevel uiAccess='false'\n level = ' highestAvailable '></v3:requestedExecutionLevel>",
       L::kHighestAvailable},
      {"<!-- <requestedExecutionLevel level=\"requireAdministrator\"/> --><requestedExecutionLevel level=\"asInvoker\"/>",
       L::kAsInvoker},
      {"<requestedExecutionLevels level=\"requireAdministrator\"/>", L::kAsInvoker},
      {"<requestedExecutionLevel xlevel=\"requireAdministrator\"/>", L::kAsInvoker},
      {"<requestedExecutionLevel level=\"requireAdministrator", L::kAsInvoker},
      {"<requestedExecutionLevel = level=\"REQUIREADMINISTRATOR\"", L::kRequireAdministrator},
      {utf16, L::kRequireAdministrator},
      {"", L::kAsInvoker},
  };
  for (const auto& c : cases) EXPECT_EQ(RequestedExecutionLevel(c.manifest), c.level) << c.manifest;
}

}  // namespace
}  // namespace discfront
