#include "about/key_value.h"

#include <vector>

namespace discfront::about {
namespace {

// Strings come from the registry's Unicode interface as UTF-16 units; an odd last
// byte still counts as a character of its own.
std::vector<std::uint16_t> Characters(std::uint32_t type, std::span<const std::uint8_t> bytes) {
  std::vector<std::uint16_t> chars;
  if (type == kRegSz) {
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
      const std::uint16_t high = i + 1 < bytes.size() ? bytes[i + 1] : 0;
      chars.push_back(static_cast<std::uint16_t>(bytes[i] | (high << 8)));
    }
  } else {
    chars.assign(bytes.begin(), bytes.end());
  }
  if (!chars.empty() && chars.back() == 0) chars.pop_back();
  return chars;
}

}  // namespace

std::optional<std::wstring> FormatKeyValue(std::uint32_t type, std::span<const std::uint8_t> bytes,
                                           std::wstring value) {
  if (bytes.empty()) return std::nullopt;
  const std::vector<std::uint16_t> chars = Characters(type, bytes);
  if (type == kRegSz) return std::wstring(chars.begin(), chars.end());
  if (type == kRegDword) {
    constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    for (auto it = chars.rbegin(); it != chars.rend(); ++it) {
      std::wstring digits;
      unsigned code = *it;
      do {
        digits.insert(digits.begin(), kDigits[code % 16]);
        code /= 16;
      } while (code != 0);
      value += digits;
    }
    return L"&h" + value;
  }
  return value;
}

}  // namespace discfront::about
