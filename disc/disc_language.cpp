#include "disc/disc_language.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace discfront {
namespace {

constexpr std::uint16_t kPrimaryRussian = 0x19;

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool SameLetters(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

// The value of a "Language=" line, or nothing for any other line.
std::optional<std::string_view> LanguageValue(std::string_view line) {
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos || !SameLetters(Trim(line.substr(0, eq)), "Language")) return std::nullopt;
  return Trim(line.substr(eq + 1));
}

std::vector<std::string_view> Lines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    lines.push_back(bytes.substr(0, end));
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace

UiLanguage LanguageOfUi(std::uint16_t langId) {
  return (langId & 0x3FF) == kPrimaryRussian ? UiLanguage::kRussian : UiLanguage::kEnglish;
}

std::optional<UiLanguage> DiscLanguage(std::string_view settingsBytes) {
  std::optional<UiLanguage> language;
  for (std::string_view line : Lines(settingsBytes)) {
    const std::optional<std::string_view> value = LanguageValue(line);
    if (!value) continue;
    if (SameLetters(*value, "ru")) language = UiLanguage::kRussian;
    if (SameLetters(*value, "en")) language = UiLanguage::kEnglish;
  }
  return language;
}

UiLanguage ChooseLanguage(std::optional<UiLanguage> discLanguage, std::uint16_t userUiLangId) {
  return discLanguage ? *discLanguage : LanguageOfUi(userUiLangId);
}

std::string WithDiscLanguage(std::string_view settingsBytes, std::optional<UiLanguage> language) {
  std::string out;
  for (std::string_view line : Lines(settingsBytes)) {
    if (LanguageValue(line)) continue;
    out += line;
    if (line.empty() || line.back() != '\r') out += '\r';
    out += '\n';
  }
  if (language) out += *language == UiLanguage::kRussian ? "Language=ru\r\n" : "Language=en\r\n";
  return out;
}

}  // namespace discfront
