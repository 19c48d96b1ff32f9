// The access key that a caption defines: the character after its first single "&".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace discfront::buttonex {

// The new access key for a caption, or nullopt when the caption names none (no "&",
// or only doubled "&&"), in which case the previous key stays. A caption ending in a
// single "&" gives the empty key, which clears it.
std::optional<std::wstring> AccessKeyFromCaption(std::wstring_view caption);

// Whether a typed character selects the access key (letters compare without case).
bool MatchesAccessKey(std::wstring_view accessKey, wchar_t typed);

// Upper case of Latin and Cyrillic letters, independent of the C library's locale.
wchar_t UpperLetter(wchar_t c);

}  // namespace discfront::buttonex
