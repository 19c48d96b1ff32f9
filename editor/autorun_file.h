// autorun.inf for a disc folder: the system's autorun starts the disc's launcher and
// shows its icon and the label the author chose. Written in UTF-16 with a byte-order
// mark, which the system reads as Unicode, so a Cyrillic label survives whatever the
// code page of the machine that reads the disc.
#pragma once

#include <string>
#include <string_view>

namespace discfront::editor {

// The file's bytes: [autorun] with open and icon naming discfront.exe and the label.
// Line breaks in the label become blanks: a value of an .inf file is one line.
std::string AutorunFileBytes(std::wstring_view label);

// The label the author is offered first: the disc folder's own name (empty at the
// root of a drive, which has no name of its own).
std::wstring DefaultAutorunLabel(std::wstring_view discFolder);

}  // namespace discfront::editor
