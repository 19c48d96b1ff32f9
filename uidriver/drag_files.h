// Dragging files onto a window as the shell's file windows do: an OLE drag (DoDragDrop)
// of a data object that carries CF_HDROP, moved by the real mouse.
#pragma once

#include <windows.h>

#include <ole2.h>

#include <chrono>
#include <string>
#include <vector>

namespace uidriver {

// Presses the left button at screenFrom (on a small window of the driver's own, as a
// file window would be there), drags the files to screenTo in real mouse moves and
// releases the button there. Returns the effect the target answered (DROPEFFECT_COPY
// for a drop it took, DROPEFFECT_NONE for none); the target handles the drop after.
// `released`, when given, is when the button went up (for timing what the drop does).
DWORD DragFiles(const std::vector<std::wstring>& paths, POINT screenFrom, POINT screenTo,
                std::chrono::steady_clock::time_point* released = nullptr);

}  // namespace uidriver
