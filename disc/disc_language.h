// Which language the launcher speaks. By default the user's: Russian for a Russian
// user interface, English for any other. A disc may fix it with the file
// discfront.ini beside the launcher, read before anything is shown:
//
//   Language=en        (or ru; any other value, or no such line, leaves the user's)
//
// Lines are "name=value", blanks around either are ignored, names and values in any
// letter case; lines starting with ";" or "[" and all other names are kept but not
// read. The file may be Windows-1251 (or plain ASCII), UTF-8 with its mark or UTF-16
// (little-endian) with its mark, as the system's editors save it; the editor's Disc
// menu writes the line back in the file's own encoding. A catalogue or skin never
// depends on the language.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/texts.h"

namespace discfront {

// The language of a Windows language identifier (LANGID): Russian when its primary
// language is Russian, English otherwise.
UiLanguage LanguageOfUi(std::uint16_t langId);

// The language the settings file's bytes fix, if any.
std::optional<UiLanguage> DiscLanguage(std::string_view settingsBytes);

UiLanguage ChooseLanguage(std::optional<UiLanguage> discLanguage, std::uint16_t userUiLangId);

// The settings file with its Language line set to language (or removed, for the
// user's language), every other line kept as it was.
std::string WithDiscLanguage(std::string_view settingsBytes, std::optional<UiLanguage> language);

}  // namespace discfront
