// The programs' texts for tests, read from the same rows as the string tables: window-free
// code asks base's Text() for them (Russian, installed when this file is linked), and the
// tests that read the programs' windows look up what a language's table says.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "base/texts.h"

namespace discfront::testing {

std::wstring TableText(unsigned id, UiLanguage language);
std::wstring TableFormat(unsigned id, UiLanguage language, std::initializer_list<std::wstring_view> args);

}  // namespace discfront::testing
