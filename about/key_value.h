// How a registry value read for the About dialog's system information button becomes
// text: strings as they are, a DWORD as "&h" and hexadecimal digits of its bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace discfront::about {

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegDword = 4;

// The value's bytes as received (`bytes` is exactly the size the registry reported)
// turned into text, starting from `value` as it was before the read:
//  - the bytes become characters (UTF-16 units for a string, one per byte otherwise),
//    and a NUL in the last place is dropped;
//  - a string is the text itself;
//  - a DWORD appends the characters' codes, last to first, each in upper-case
//    hexadecimal without leading zeros, to `value`, and puts "&h" in front. The
//    dropped NUL means a DWORD whose top byte is 0 gives three digits: 261 -> "&h015";
//  - any other type leaves `value` as it was.
// Nothing (a failure) for a value of size 0: there is no text to take.
std::optional<std::wstring> FormatKeyValue(std::uint32_t type, std::span<const std::uint8_t> bytes, std::wstring value);

}  // namespace discfront::about
