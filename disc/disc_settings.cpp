#include "disc/disc_settings.h"

#include "base/ascii_text.h"
#include "base/utf8.h"

namespace discfront {
namespace {

constexpr std::string_view kUtf16Mark = "\xFF\xFE";
constexpr std::string_view kLanguage = "Language";
constexpr std::string_view kEntryIcons = "EntryIcons";
constexpr std::string_view kCloseAfterStart = "CloseAfterStart";

// The settings file as units of its own encoding, each held in a wchar_t (at least 16
// bits everywhere): bytes for Windows-1251 (or plain ASCII) and UTF-8, 16-bit units for
// UTF-16 (little-endian), its mark left out. Only ASCII names and values are read, so
// every line not rewritten goes back unit for unit.
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

// The value of a "name=" line, or nothing for a line of any other name.
std::optional<std::wstring_view> ValueOf(std::wstring_view line, std::string_view name) {
  const std::size_t eq = line.find(L'=');
  if (eq == std::wstring_view::npos) return std::nullopt;
  if (!EqualsIgnoringCase(TrimBlanks(line.substr(0, eq)), name)) return std::nullopt;
  return TrimBlanks(line.substr(eq + 1));
}

// The next line of `text` (without its LF), taken off the front.
std::wstring_view TakeLine(std::wstring_view& text) {
  const std::size_t end = text.find(L'\n');
  const std::wstring_view line = text.substr(0, end);
  text.remove_prefix(end == std::wstring_view::npos ? text.size() : end + 1);
  return line;
}

// A switch's line read into `on`; a value other than yes or no leaves it.
void ReadSwitch(std::wstring_view line, std::string_view name, bool& on) {
  const std::optional<std::wstring_view> value = ValueOf(line, name);
  if (value && EqualsIgnoringCase(*value, "yes")) on = true;
  if (value && EqualsIgnoringCase(*value, "no")) on = false;
}

// The file without any line of `name`, and with "name=value" at its end when there is a value.
std::string WithSetting(std::string_view settingsBytes, std::string_view name, std::string_view value) {
  SettingsUnits file = UnitsOf(settingsBytes);
  std::wstring out;
  for (std::wstring_view text = file.units; !text.empty();) {
    const std::wstring_view line = TakeLine(text);
    if (ValueOf(line, name)) continue;
    out += line;
    out += line.empty() || line.back() != L'\r' ? L"\r\n" : L"\n";
  }
  if (!value.empty()) {
    for (char c : std::string(name) + "=" + std::string(value) + "\r\n") out += static_cast<wchar_t>(c);
  }
  file.units = std::move(out);
  return BytesOf(file);
}

}  // namespace

DiscSettings ReadDiscSettings(std::string_view settingsBytes) {
  const SettingsUnits file = UnitsOf(settingsBytes);
  DiscSettings settings;
  for (std::wstring_view text = file.units; !text.empty();) {
    const std::wstring_view line = TakeLine(text);
    const std::optional<std::wstring_view> language = ValueOf(line, kLanguage);
    if (language && EqualsIgnoringCase(*language, "ru")) settings.language = UiLanguage::kRussian;
    if (language && EqualsIgnoringCase(*language, "en")) settings.language = UiLanguage::kEnglish;
    ReadSwitch(line, kEntryIcons, settings.entryIcons);
    ReadSwitch(line, kCloseAfterStart, settings.closeAfterStart);
  }
  return settings;
}

std::string WithDiscLanguage(std::string_view settingsBytes, std::optional<UiLanguage> language) {
  return WithSetting(settingsBytes, kLanguage, !language ? "" : *language == UiLanguage::kRussian ? "ru" : "en");
}

std::string WithEntryIcons(std::string_view settingsBytes, bool on) {
  return WithSetting(settingsBytes, kEntryIcons, on ? "yes" : "");
}

std::string WithCloseAfterStart(std::string_view settingsBytes, bool on) {
  return WithSetting(settingsBytes, kCloseAfterStart, on ? "yes" : "");
}

}  // namespace discfront
