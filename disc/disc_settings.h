// The disc's own settings: the file discfront.ini beside the launcher, read before
// anything is shown. Each line the launcher reads is one setting:
//
//   Language=en          the launcher's language (or ru; any other value, or no such
//                        line, leaves the user's: disc_language.h)
//   EntryIcons=yes       the list shows each entry's icon before its title
//   CloseAfterStart=yes  the launcher ends once Install has started what an entry names
//
// A switch is on for "yes" and off for "no"; any other value is not read, and without
// a line it is off, so a disc without the file looks and behaves as it always has.
// Lines are "name=value", blanks around either are ignored, names and values in any
// letter case, and of lines of the same name the last read counts; lines starting
// with ";" or "[" and all other names are kept but not read. The file may be
// Windows-1251 (or plain ASCII), UTF-8 with its mark or UTF-16 (little-endian) with
// its mark, as the system's editors save it; the editor's Disc menu writes a setting's
// line back in the file's own encoding, every other line as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/texts.h"

namespace discfront {

struct DiscSettings {
  std::optional<UiLanguage> language;  // none: the user's
  bool entryIcons = false;
  bool closeAfterStart = false;
  bool operator==(const DiscSettings&) const = default;
};

DiscSettings ReadDiscSettings(std::string_view settingsBytes);

// The settings file with one setting's line set, every other line kept as it was. A
// setting at its default (the user's language, a switch off) leaves no line.
std::string WithDiscLanguage(std::string_view settingsBytes, std::optional<UiLanguage> language);
std::string WithEntryIcons(std::string_view settingsBytes, bool on);
std::string WithCloseAfterStart(std::string_view settingsBytes, bool on);

}  // namespace discfront
