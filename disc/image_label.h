// The label an image of a disc folder gets unless the author gives one: autorun.inf's
// label=, else the folder's own name.
#pragma once

#include <string>
#include <string_view>

namespace discfront {

// The label= of autorun.inf's [autorun] section, from the file's bytes (UTF-16 with
// its mark, UTF-8 with its mark, else Windows-1251); empty when there is none.
std::u16string AutorunLabel(std::string_view fileBytes);

// Text as a label holds it: UTF-16, with surrogate pairs where wchar_t holds code points.
std::u16string Utf16OfText(std::wstring_view text);

std::u16string DefaultImageLabel(std::string_view autorunBytes, std::u16string_view folderName);

}  // namespace discfront
