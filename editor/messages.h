// The editor's message texts that name a file, record or field (the fixed ones are
// read by number from editor_texts.h).
#pragma once

#include <string>
#include <string_view>

#include "catalogue/line_format.h"
#include "catalogue_file.h"
#include "editor_texts.h"

namespace discfront::editor {

inline constexpr wchar_t kProgramTitle[] = L"frontsmith";

// The field's name as its label reads, without the colon.
std::wstring FieldName(Field field);

std::wstring OpenFailureMessage(std::wstring_view fileName, const OpenFailure& failure);
std::wstring ReadFailureMessage(std::wstring_view fileName, std::wstring_view reason);
std::wstring EncodeFailureMessage(const EncodeFailure& failure);
std::wstring SaveFailureMessage(std::wstring_view fileName, std::wstring_view reason);
// Told once per file: a catalogue or description saved as UTF-8.
std::wstring SavedAsUtf8Message(std::wstring_view fileName);

}  // namespace discfront::editor
