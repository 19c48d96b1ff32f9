#include "tests/table_texts.h"

#include <map>

#include "about/about_texts.h"
#include "base/utf8.h"
#include "buttonex/buttonex_texts.h"
#include "editor/editor_texts.h"
#include "launcher/launcher_texts.h"
#include "win32/win32_texts.h"

namespace discfront::testing {
namespace {

struct Row {
  const char* russian;
  const char* english;
};

#define DISCFRONT_TEST_ROW(name, number, ru, en) {number, {ru, en}},

const std::map<unsigned, Row>& Rows() {
  static const std::map<unsigned, Row> rows = {
      DISCFRONT_WIN32_TEXTS(DISCFRONT_TEST_ROW) DISCFRONT_ABOUT_TEXTS(DISCFRONT_TEST_ROW)
          DISCFRONT_LAUNCHER_TEXTS(DISCFRONT_TEST_ROW) DISCFRONT_EDITOR_TEXTS(DISCFRONT_TEST_ROW)
                  DISCFRONT_BUTTONEX_TEXTS(DISCFRONT_TEST_ROW) DISCFRONT_BUTTONEX_SAVED_TEXTS(DISCFRONT_TEST_ROW)};
  return rows;
}

[[maybe_unused]] const bool installed = (SetTextLookup([](unsigned id) { return TableText(id, UiLanguage::kRussian); }), true);

}  // namespace

std::wstring TableText(unsigned id, UiLanguage language) {
  const auto row = Rows().find(id);
  if (row == Rows().end()) return {};
  return DecodeUtf8(language == UiLanguage::kRussian ? row->second.russian : row->second.english);
}

}  // namespace discfront::testing
