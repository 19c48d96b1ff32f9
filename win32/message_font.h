// The system's message font, the one the editor's windows show their text in, and the
// sizes text takes in a font.
#pragma once

#include <windows.h>

#include <string>

#include "win32/handles.h"

namespace win32 {

// The message font at a resolution (the size the user chose for text, at that scale);
// the stock GUI font's look when the system gives none.
UniqueFont CreateMessageFont(int dpi);

// Where a font is given as a handle that may be empty: the stock GUI font then.
HFONT FontOrDefault(HFONT font);

// The size `text` takes in `font` (its height: one line of the font).
SIZE TextExtent(HFONT font, const std::wstring& text);

}  // namespace win32
