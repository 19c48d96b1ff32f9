// The program's texts from the string tables of its own resources, in the language
// chosen at start-up: the table of that language is looked up explicitly, whatever
// the thread's user-interface language is.
#pragma once

#include <cstdint>

#include "base/texts.h"

namespace win32 {

using discfront::UiLanguage;

// The LANGID of a language's string table.
std::uint16_t TableLanguageId(UiLanguage language);

// Makes base's Text() read this program's string table of language.
void UseStringTable(UiLanguage language);

// The language of the table in use.
UiLanguage TableLanguage();

// The language of the user's interface, as the system reports it.
UiLanguage UserUiLanguage();

}  // namespace win32
