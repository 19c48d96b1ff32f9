// The names an image holds (image_names.h).
#include "disc/image_names.h"

namespace discfront {

namespace {

// Letters without their accent, from U+00C0 (upper case) and U+00E0 (lower case).
constexpr std::string_view kLatin1Upper = "AAAAAAACEEEEIIIIDNOOOOO_OUUUUY_S";
constexpr std::string_view kLatin1Lower = "AAAAAAACEEEEIIIIDNOOOOO_OUUUUY_Y";
// Cyrillic letters by sound, one Latin letter each, from U+0410 and U+0430.
constexpr std::string_view kCyrillic = "ABVGDEZZIJKLMNOPRSTUFHCCSS_Y_EUA";

bool IsSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }

bool JolietHolds(char16_t c) {
  if (c < 0x20 || IsSurrogate(c)) return false;
  return std::u16string_view(u"*/:;?\\").find(c) == std::u16string_view::npos;
}

std::string PrimaryText(std::u16string_view text, std::size_t limit) {
  std::string out;
  for (char16_t c : text) {
    if (out.size() == limit) break;
    out += PrimaryCharacter(c);
  }
  return out;
}

}  // namespace

std::optional<NameProblem> JolietNameProblem(std::u16string_view name) {
  if (name.empty() || name == u"." || name == u"..") return NameProblem::kEmpty;
  for (char16_t c : name) {
    if (!JolietHolds(c)) return NameProblem::kBadCharacter;
  }
  if (name.size() > kMaxJolietName) return NameProblem::kTooLong;
  return std::nullopt;
}

char16_t FoldCase(char16_t c) {
  if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= 0x430 && c < 0x450)) {
    return static_cast<char16_t>(c - 0x20);
  }
  if (c >= 0x450 && c < 0x460) return static_cast<char16_t>(c - 0x50);
  return c;
}

char PrimaryCharacter(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')) return static_cast<char>(c);
  if (c >= u'a' && c <= u'z') return static_cast<char>(c - u'a' + 'A');
  if (c >= 0xC0 && c < 0xE0) return kLatin1Upper[c - 0xC0];
  if (c >= 0xE0 && c <= 0xFF) return kLatin1Lower[c - 0xE0];
  if (c >= 0x410 && c < 0x430) return kCyrillic[c - 0x410];
  if (c >= 0x430 && c < 0x450) return kCyrillic[c - 0x430];
  if (c == 0x401 || c == 0x451) return 'E';
  return '_';
}

std::string PrimaryNamer::Assign(std::u16string_view name, bool folder) {
  std::u16string_view base = name;
  std::u16string_view extension;
  if (!folder) {
    const std::size_t dot = name.rfind(u'.');
    if (dot != std::u16string_view::npos) {
      base = name.substr(0, dot);
      extension = name.substr(dot + 1);
    }
  }
  std::string stem = PrimaryText(base, 8);
  if (stem.empty()) stem.push_back('_');
  std::string tail;
  if (!extension.empty()) tail.append(1, '.').append(PrimaryText(extension, 3));
  // A file and a folder of one name would show as one on readers that drop the
  // version, so both kinds share one set of taken names.
  std::string candidate = stem + tail;
  // Numbering goes on from the last number this name was given, so that a folder of
  // many names alike costs no more than one of different names.
  int& number = nextNumber_[candidate];
  while (!taken_.insert(candidate).second) {
    ++number;
    const std::string digits = std::to_string(number);
    candidate = stem.substr(0, 7 - digits.size());
    candidate.append(1, '_').append(digits).append(tail);
  }
  return candidate;
}

std::string PrimaryLabel(std::u16string_view label) {
  std::string out = PrimaryText(label, kPrimaryLabelLength);
  return out.empty() ? "DISC" : out;
}

std::u16string JolietLabel(std::u16string_view label) {
  std::u16string out;
  for (char16_t c : label.substr(0, kJolietLabelLength)) out += JolietHolds(c) ? c : u'_';
  return out;
}

}  // namespace discfront
