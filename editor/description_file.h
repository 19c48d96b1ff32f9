// The disc's description, info.txt: the launcher reads it with the item reader and
// shows the joined items. Its encoding follows the catalogue's rule: Windows-1251 when
// every character has a byte there, else UTF-8 with the mark. It is written so that those items join to exactly the text
// the author typed, quoted by the rule of catalogue lines: bare when the text holds
// no comma or line break, else between double quotes (which then cannot hold a
// double quote of its own).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/file_encoding.h"

namespace discfront::editor {

enum class DescriptionRefusal {
  kNoByte,  // a character no file encoding holds (an unpaired surrogate)
  kQuote,   // a double quote in a text that must be quoted
};

struct DescriptionBytes {
  std::optional<std::string> bytes;  // the file, when the text reads back whole
  FileEncoding encoding = FileEncoding::kCp1251;  // of bytes
  DescriptionRefusal refusal = DescriptionRefusal::kNoByte;
};

// The file bytes of a description typed in a multi-line edit box (line breaks CR LF).
DescriptionBytes EncodeDescription(std::wstring_view text);

}  // namespace discfront::editor
