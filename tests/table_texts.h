// The programs' texts for tests, read from the same rows as the string tables: window-free
// code asks base's Text() for them (Russian, installed when this file is linked), and the
// tests that read the programs' windows look up what a language's table says.
#pragma once

#include <string>

#include "base/texts.h"

namespace discfront::testing {

std::wstring TableText(unsigned id, UiLanguage language);

}  // namespace discfront::testing
