// Texts of dropping files on the entries list: why a drop was refused, what the author
// is asked before files are copied into the disc folder, and what went wrong copying.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "disc/dropped_file.h"
#include "editor_texts.h"

namespace discfront::editor {

// The refused files, each with why, one a line (the first few, then how many more).
std::wstring DropRefusedMessage(const std::vector<DroppedFile>& refused);
// Files from outside the disc folder that cannot be copied in as planned, each with why.
std::wstring CopyInRefusedMessage(const std::vector<CopyIn>& refused);
// The prompt of the copy-in dialog, naming the files.
std::wstring CopyInPrompt(const std::vector<std::wstring>& sources);
std::wstring ReplaceOnCopyQuestion(const CopyIn& copy);
std::wstring CopyInFailedMessage(const CopyIn& copy, std::wstring_view reason);

}  // namespace discfront::editor
