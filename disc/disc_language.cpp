#include "disc/disc_language.h"

#include <vector>

#include "base/ascii_case.h"
#include "base/utf8.h"

namespace discfront {
namespace {

constexpr std::uint16_t kPrimaryRussian = 0x19;
constexpr std::string_view kUtf16Mark = "\xFF\xFE";

// The settings file's lines, in the units of its own encoding: bytes for Windows-1251
// (or plain ASCII) and UTF-8, 16-bit units for UTF-16. Only the ASCII name and value of
// the Language line are read, so every other line is written back unit for unit.
template <typename Unit>
using Text = std::basic_string<Unit>;
template <typename Unit>
using View = std::basic_string_view<Unit>;

template <typename Unit>
View<Unit> Trim(View<Unit> s) {
  const auto blank = [](Unit u) { return u == ' ' || u == '\t' || u == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// The value of a "Language=" line, or nothing for any other line.
template <typename Unit>
std::optional<View<Unit>> LanguageValue(View<Unit> line) {
  const std::size_t eq = line.find(Unit{'='});
  if (eq == View<Unit>::npos || !EqualsIgnoringCase(Trim(line.substr(0, eq)), "Language")) return std::nullopt;
  return Trim(line.substr(eq + 1));
}

template <typename Unit>
std::vector<View<Unit>> Lines(View<Unit> text) {
  std::vector<View<Unit>> lines;
  while (!text.empty()) {
    const std::size_t end = text.find(Unit{'\n'});
    lines.push_back(text.substr(0, end));
    if (end == View<Unit>::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

template <typename Unit>
std::optional<UiLanguage> LanguageOf(View<Unit> text) {
  std::optional<UiLanguage> language;
  for (View<Unit> line : Lines(text)) {
    const std::optional<View<Unit>> value = LanguageValue(line);
    if (!value) continue;
    if (EqualsIgnoringCase(*value, "ru")) language = UiLanguage::kRussian;
    if (EqualsIgnoringCase(*value, "en")) language = UiLanguage::kEnglish;
  }
  return language;
}

template <typename Unit>
Text<Unit> WithLanguage(View<Unit> text, std::optional<UiLanguage> language) {
  const auto append = [](Text<Unit>& out, std::string_view ascii) { out.append(ascii.begin(), ascii.end()); };
  Text<Unit> out;
  for (View<Unit> line : Lines(text)) {
    if (LanguageValue(line)) continue;
    out += line;
    if (line.empty() || line.back() != Unit{'\r'}) out += Unit{'\r'};
    out += Unit{'\n'};
  }
  if (language) append(out, *language == UiLanguage::kRussian ? "Language=ru\r\n" : "Language=en\r\n");
  return out;
}

// A file with the UTF-16 mark, as little-endian units (a last odd byte is no character).
std::u16string Utf16Units(std::string_view bytes) {
  std::u16string units;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto low = static_cast<unsigned char>(bytes[i]), high = static_cast<unsigned char>(bytes[i + 1]);
    units += static_cast<char16_t>(low | high << 8);
  }
  return units;
}

std::string Utf16Bytes(std::u16string_view units) {
  std::string bytes;
  for (char16_t u : units) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
  }
  return bytes;
}

// The bytes after a leading mark, and the mark.
std::string_view StripMark(std::string_view& bytes, std::string_view mark) {
  if (!bytes.starts_with(mark)) return {};
  bytes.remove_prefix(mark.size());
  return mark;
}

}  // namespace

UiLanguage LanguageOfUi(std::uint16_t langId) {
  return (langId & 0x3FF) == kPrimaryRussian ? UiLanguage::kRussian : UiLanguage::kEnglish;
}

std::optional<UiLanguage> DiscLanguage(std::string_view settingsBytes) {
  if (!StripMark(settingsBytes, kUtf16Mark).empty()) {
    const std::u16string units = Utf16Units(settingsBytes);
    return LanguageOf(std::u16string_view(units));
  }
  StripMark(settingsBytes, kUtf8Mark);
  return LanguageOf(settingsBytes);
}

UiLanguage ChooseLanguage(std::optional<UiLanguage> discLanguage, std::uint16_t userUiLangId) {
  return discLanguage ? *discLanguage : LanguageOfUi(userUiLangId);
}

std::string WithDiscLanguage(std::string_view settingsBytes, std::optional<UiLanguage> language) {
  if (!StripMark(settingsBytes, kUtf16Mark).empty()) {
    const std::u16string units = Utf16Units(settingsBytes);
    return std::string(kUtf16Mark) + Utf16Bytes(WithLanguage(std::u16string_view(units), language));
  }
  const std::string_view mark = StripMark(settingsBytes, kUtf8Mark);
  return std::string(mark) + WithLanguage(settingsBytes, language);
}

}  // namespace discfront
