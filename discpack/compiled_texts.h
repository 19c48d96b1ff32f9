// discpack's texts where there are no resources (Linux): the same rows as the Windows
// string table, compiled in, in the language the locale's variables name.
#pragma once

#include "base/texts.h"

namespace discfront::discpack {

// Russian when the first of LC_ALL, LC_MESSAGES and LANG that is set and not empty
// starts with "ru", as the C library picks the messages' locale; English otherwise.
UiLanguage LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang);

// Makes base's Text() read the compiled rows of language.
void UseCompiledTexts(UiLanguage language);

}  // namespace discfront::discpack
