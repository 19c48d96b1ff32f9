// The texts a program shows, by number, in the language chosen once at start-up.
// The texts themselves live in the programs' string tables (see text_table.h); the
// window-free code asks for them here, so it never holds a user-visible literal.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace discfront {

enum class UiLanguage { kRussian, kEnglish };

// Where the texts come from: a program sets its string-table loader at start-up.
using TextLookup = std::wstring (*)(unsigned id);
void SetTextLookup(TextLookup lookup);

// The text numbered id; empty when no lookup is set or the table has none.
std::wstring Text(unsigned id);

// The text numbered id with %1 .. %9 replaced by args (%% is a percent sign), so that a
// translation may put the numbers and names wherever its language wants them.
std::wstring FormatText(unsigned id, std::initializer_list<std::wstring_view> args);
std::wstring FillPlaceholders(std::wstring_view pattern, std::initializer_list<std::wstring_view> args);

}  // namespace discfront
