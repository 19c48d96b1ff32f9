// The access-key rule of the caption.
#include "buttonex/access_key.h"

#include <cwctype>

namespace discfront::buttonex {

std::optional<std::wstring> AccessKeyFromCaption(std::wstring_view caption) {
  std::size_t at = caption.find(L'&');
  while (at != std::wstring_view::npos) {
    if (at + 1 >= caption.size()) return std::wstring();
    if (caption[at + 1] != L'&') return std::wstring(1, caption[at + 1]);
    at = caption.find(L'&', at + 2);
  }
  return std::nullopt;
}

wchar_t UpperLetter(wchar_t c) {
  if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - 32);
  if (c >= 0x0430 && c <= 0x044F) return static_cast<wchar_t>(c - 0x20);
  if (c >= 0x0450 && c <= 0x045F) return static_cast<wchar_t>(c - 0x50);
  return static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
}

bool MatchesAccessKey(std::wstring_view accessKey, wchar_t typed) {
  if (accessKey.size() != 1) return false;
  return UpperLetter(accessKey[0]) == UpperLetter(typed);
}

}  // namespace discfront::buttonex
