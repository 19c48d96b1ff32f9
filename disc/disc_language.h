// Which language the launcher speaks. By default the user's: Russian for a Russian
// user interface, English for any other. A disc may fix it with the Language line of
// its discfront.ini (disc_settings.h), read before anything is shown. A catalogue or
// skin never depends on the language.
#pragma once

#include <cstdint>
#include <optional>

#include "base/texts.h"

namespace discfront {

// The language of a Windows language identifier (LANGID): Russian when its primary
// language is Russian, English otherwise.
UiLanguage LanguageOfUi(std::uint16_t langId);

UiLanguage ChooseLanguage(std::optional<UiLanguage> discLanguage, std::uint16_t userUiLangId);

}  // namespace discfront
