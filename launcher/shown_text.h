// How catalogue text appears in the launcher's controls: a comment keeps its line
// breaks in the description box, a title stays on its one line of the list.
#pragma once

#include <string>
#include <string_view>

namespace discfront {

// For AboutProg: a multi-line edit breaks lines only at CR LF, so every line break
// (CR LF, a lone CR, a lone LF) becomes CR LF.
std::wstring AboutProgText(std::wstring_view text);

// For an item of List, which shows one line: every line break becomes one blank.
std::wstring ListItemText(std::wstring_view title);

}  // namespace discfront
