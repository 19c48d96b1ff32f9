// autorun.inf for a disc folder: the system's autorun starts the disc's launcher and
// shows its icon and the label the author chose. Written in UTF-16 with a byte-order
// mark, which the system reads as Unicode, so a Cyrillic label survives whatever the
// code page of the machine that reads the disc.
#pragma once

#include <string>
#include <string_view>

namespace discfront::editor {

// What the system's autoplay shows for a disc whose label is empty.
inline constexpr wchar_t kLauncherTitle[] = L"Korvel Discfront";

// The file's bytes: [autorun] with open and icon naming discfront.exe, the label, and
// the label again as the action the system's autoplay offers for a removable drive
// (kLauncherTitle when the label is empty). Line breaks in the label become blanks.
std::string AutorunFileBytes(std::wstring_view label);

// The label the author is offered first: the disc folder's own name (empty at the
// root of a drive, which has no name of its own).
std::wstring DefaultAutorunLabel(std::wstring_view discFolder);

}  // namespace discfront::editor
