// Text read from a catalogue or description file, made ready for a multi-line edit
// box: such a box breaks lines only at CR LF, so every line break of the text (CR LF,
// a lone CR, a lone LF) becomes CR LF. Both programs show file text through this.
#pragma once

#include <string>
#include <string_view>

namespace discfront {

std::wstring EditBoxText(std::wstring_view text);

}  // namespace discfront
