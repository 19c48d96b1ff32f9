// The names an image holds: which names the Unicode (Joliet) tree cannot hold, the
// 8.3 d-character names of the primary tree, kept unique within each folder, and
// the volume labels both descriptors hold.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace discfront {

// The Unicode tree holds names of up to 64 UTF-16 units.
inline constexpr std::size_t kMaxJolietName = 64;
inline constexpr std::size_t kJolietLabelLength = 16;
inline constexpr std::size_t kPrimaryLabelLength = 32;

enum class NameProblem {
  kTooLong,       // more than 64 units
  kBadCharacter,  // a control character, * / : ; ? \, or one beyond UCS-2
  kEmpty,         // "", "." or ".."
};

// Why the Unicode tree cannot hold name, or nothing when it can.
std::optional<NameProblem> JolietNameProblem(std::u16string_view name);

// c in upper case, for the letters of Latin-1 and Cyrillic: the system that reads
// the disc finds names without regard to their case, so names that differ only so
// would hide one another there.
char16_t FoldCase(char16_t c);

// The letter, digit or underscore standing for c in a primary name: letters in
// upper case, accented Latin letters without their accent, everything else "_".
char PrimaryCharacter(char16_t c);

// Hands out the primary names of one folder's entries: a file's is NAME.EXT (at
// most 8 and 3 d-characters), a folder's NAME (at most 8), and a name already taken
// in the folder gets a number instead of its end (LONGFI_1, LONGFI_2, ...). Asked in
// sorted order, the answers are the same every time.
class PrimaryNamer {
 public:
  // The identifier without its version (";1" follows a file's on the disc).
  std::string Assign(std::u16string_view name, bool folder);

 private:
  std::set<std::string> taken_;
  std::map<std::string, int> nextNumber_;
};

// The volume labels: the primary's d-characters (at most 32) and the Unicode
// tree's first 16 characters that it can hold (others become "_").
std::string PrimaryLabel(std::u16string_view label);
std::u16string JolietLabel(std::u16string_view label);

}  // namespace discfront
