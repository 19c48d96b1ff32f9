#include "base/texts.h"

namespace discfront {
namespace {

TextLookup currentLookup = nullptr;

}  // namespace

void SetTextLookup(TextLookup lookup) { currentLookup = lookup; }

std::wstring Text(unsigned id) { return currentLookup != nullptr ? currentLookup(id) : std::wstring(); }

std::wstring FormatText(unsigned id, std::initializer_list<std::wstring_view> args) {
  return FillPlaceholders(Text(id), args);
}

std::wstring FillPlaceholders(std::wstring_view pattern, std::initializer_list<std::wstring_view> args) {
  std::wstring text;
  text.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const wchar_t next = i + 1 < pattern.size() ? pattern[i + 1] : L'\0';
    if (pattern[i] == L'%' && next == L'%') {
      text += L'%';
      ++i;
    } else if (pattern[i] == L'%' && next >= L'1' && next <= L'9') {
      const auto index = static_cast<std::size_t>(next - L'1');
      if (index < args.size()) text += args.begin()[index];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace discfront
