// How text read from a catalogue or description file is shown: a multi-line edit box
// breaks lines only at CR LF, a one-line control not at all. One rule for both
// programs: the launcher's description box and list, the editor's description dialog.
#pragma once

#include <string>
#include <string_view>

namespace win32 {

// The text with every line break (CR LF as one, a lone CR, a lone LF) replaced by `lineBreak`.
std::wstring ReplaceLineBreaks(std::wstring_view text, std::wstring_view lineBreak);

// For a multi-line edit box: every line break becomes CR LF.
inline std::wstring EditBoxText(std::wstring_view text) { return ReplaceLineBreaks(text, L"\r\n"); }

}  // namespace win32
