#include "disc/disc_language.h"

#include "base/ascii_text.h"
#include "base/utf8.h"

namespace discfront {
namespace {

constexpr std::uint16_t kPrimaryRussian = 0x19;
constexpr std::string_view kUtf16Mark = "\xFF\xFE";

// The settings file as units of its own encoding, each held in a wchar_t (at least 16
// bits everywhere): bytes for Windows-1251 (or plain ASCII) and UTF-8, 16-bit units for
// UTF-16 (little-endian), its mark left out. Only the ASCII name and value of the
// Language line are read, so every other line is written back unit for unit.
struct SettingsUnits {
  std::string_view mark;  // the file's byte-order mark, if any
  bool wide = false;      // UTF-16: two bytes a unit
  std::wstring units;
};

SettingsUnits UnitsOf(std::string_view bytes) {
  SettingsUnits file;
  for (std::string_view mark : {kUtf16Mark, kUtf8Mark}) {
    if (bytes.starts_with(mark)) file.mark = mark;
  }
  file.wide = file.mark == kUtf16Mark;
  bytes.remove_prefix(file.mark.size());
  const std::size_t step = file.wide ? 2 : 1;
  for (std::size_t i = 0; i + step <= bytes.size(); i += step) {  // a last odd byte of UTF-16 is no unit
    const auto low = static_cast<unsigned char>(bytes[i]);
    file.units += static_cast<wchar_t>(file.wide ? low | static_cast<unsigned char>(bytes[i + 1]) << 8 : low);
  }
  return file;
}

std::string BytesOf(const SettingsUnits& file) {
  std::string bytes(file.mark);
  for (wchar_t unit : file.units) {
    bytes += static_cast<char>(unit & 0xFF);
    if (file.wide) bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

// The value of a "Language=" line, or nothing for any other line.
std::optional<std::wstring_view> LanguageValue(std::wstring_view line) {
  const std::size_t eq = line.find(L'=');
  if (eq == std::wstring_view::npos) return std::nullopt;
  if (!EqualsIgnoringCase(TrimBlanks(line.substr(0, eq)), "Language")) return std::nullopt;
  return TrimBlanks(line.substr(eq + 1));
}

// The next line of `text` (without its LF), taken off the front.
std::wstring_view TakeLine(std::wstring_view& text) {
  const std::size_t end = text.find(L'\n');
  const std::wstring_view line = text.substr(0, end);
  text.remove_prefix(end == std::wstring_view::npos ? text.size() : end + 1);
  return line;
}

}  // namespace

UiLanguage LanguageOfUi(std::uint16_t langId) {
  return (langId & 0x3FF) == kPrimaryRussian ? UiLanguage::kRussian : UiLanguage::kEnglish;
}

std::optional<UiLanguage> DiscLanguage(std::string_view settingsBytes) {
  const SettingsUnits file = UnitsOf(settingsBytes);
  std::optional<UiLanguage> language;
  for (std::wstring_view text = file.units; !text.empty();) {
    const std::optional<std::wstring_view> value = LanguageValue(TakeLine(text));
    if (value && EqualsIgnoringCase(*value, "ru")) language = UiLanguage::kRussian;
    if (value && EqualsIgnoringCase(*value, "en")) language = UiLanguage::kEnglish;
  }
  return language;
}

UiLanguage ChooseLanguage(std::optional<UiLanguage> discLanguage, std::uint16_t userUiLangId) {
  return discLanguage ? *discLanguage : LanguageOfUi(userUiLangId);
}

std::string WithDiscLanguage(std::string_view settingsBytes, std::optional<UiLanguage> language) {
  SettingsUnits file = UnitsOf(settingsBytes);
  std::wstring out;
  for (std::wstring_view text = file.units; !text.empty();) {
    const std::wstring_view line = TakeLine(text);
    if (LanguageValue(line)) continue;
    out += line;
    out += line.empty() || line.back() != L'\r' ? L"\r\n" : L"\n";
  }
  if (language) out += *language == UiLanguage::kRussian ? L"Language=ru\r\n" : L"Language=en\r\n";
  file.units = std::move(out);
  return BytesOf(file);
}

}  // namespace discfront
