// discpack's texts compiled in (compiled_texts.h).
#include "discpack/compiled_texts.h"

#include <string_view>

#include "base/utf8.h"
#include "discpack/discpack_texts.h"
#include "editor/editor_texts.h"

namespace discfront::discpack {
namespace {

struct Row {
  unsigned number;
  const char* russian;
  const char* english;
};

#define DISCPACK_COMPILED_ROW(name, number, ru, en) {number, ru, en},
// The check's findings are the editor's own lines.
constexpr Row kRows[] = {DISCFRONT_DISCPACK_TEXTS(DISCPACK_COMPILED_ROW) DISCFRONT_EDITOR_TEXTS(DISCPACK_COMPILED_ROW)};
#undef DISCPACK_COMPILED_ROW

UiLanguage chosen = UiLanguage::kEnglish;

std::wstring CompiledText(unsigned id) {
  for (const Row& row : kRows) {
    if (row.number == id) return DecodeUtf8(chosen == UiLanguage::kRussian ? row.russian : row.english);
  }
  return {};
}

}  // namespace

UiLanguage LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang) {
  for (const char* value : {lcAll, lcMessages, lang}) {
    if (value != nullptr && *value != '\0') {
      return std::string_view(value).starts_with("ru") ? UiLanguage::kRussian : UiLanguage::kEnglish;
    }
  }
  return UiLanguage::kEnglish;
}

void UseCompiledTexts(UiLanguage language) {
  chosen = language;
  SetTextLookup(&CompiledText);
}

}  // namespace discfront::discpack
