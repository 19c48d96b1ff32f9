#include "win32/string_table.h"

#include <windows.h>

#include "disc/disc_language.h"

namespace win32 {

using discfront::UiLanguage;
namespace {

WORD chosenLanguageId = MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT);

// A string table resource holds 16 texts, each a count of characters and the
// characters (not terminated); block n holds the texts 16 * (n - 1) to 16 * n - 1.
std::wstring FindText(unsigned id, WORD languageId) {
  const HMODULE module = GetModuleHandleW(nullptr);
  const HRSRC found = FindResourceExW(module, MAKEINTRESOURCEW(6) /* RT_STRING */,
                                      MAKEINTRESOURCEW(id / 16 + 1), languageId);
  if (found == nullptr) return {};
  const HGLOBAL loaded = LoadResource(module, found);
  const auto* p = loaded != nullptr ? static_cast<const WCHAR*>(LockResource(loaded)) : nullptr;
  if (p == nullptr) return {};
  const WCHAR* end = p + SizeofResource(module, found) / sizeof(WCHAR);
  for (unsigned i = 0; i < id % 16 && p < end; ++i) p += 1 + *p;
  if (p >= end || p + 1 + *p > end) return {};
  return std::wstring(p + 1, p + 1 + *p);
}

std::wstring LoadTableText(unsigned id) {
  std::wstring text = FindText(id, chosenLanguageId);
  // A text missing from a translation shows in Russian rather than not at all.
  if (text.empty()) text = FindText(id, TableLanguageId(UiLanguage::kRussian));
  return text;
}

}  // namespace

std::uint16_t TableLanguageId(UiLanguage language) {
  return language == UiLanguage::kRussian ? MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT)
                                          : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
}

void UseStringTable(UiLanguage language) {
  chosenLanguageId = TableLanguageId(language);
  discfront::SetTextLookup(&LoadTableText);
}

UiLanguage TableLanguage() {
  return chosenLanguageId == TableLanguageId(UiLanguage::kRussian) ? UiLanguage::kRussian : UiLanguage::kEnglish;
}

UiLanguage UserUiLanguage() { return discfront::LanguageOfUi(GetUserDefaultUILanguage()); }

}  // namespace win32
