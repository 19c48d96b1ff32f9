// The label an image gets unless the author gives one (image_label.h).
#include "disc/image_label.h"

#include "base/ascii_text.h"
#include "base/file_encoding.h"

namespace discfront {

namespace {

std::u16string Utf16(std::string_view bytes) {
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE) {
    std::u16string out;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
      out += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
    }
    return out;
  }
  std::u16string out;
  for (wchar_t c : DecodeFile(bytes)) {
    const auto code = static_cast<char32_t>(c);
    if (code > 0xFFFF) {
      out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(code);
    }
  }
  return out;
}

}  // namespace

std::u16string AutorunLabel(std::string_view fileBytes) {
  const std::u16string text = Utf16(fileBytes);
  bool inAutorun = false;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find(u'\n', start);
    if (end == std::u16string::npos) end = text.size();
    const std::u16string_view line = TrimBlanks(std::u16string_view(text).substr(start, end - start));
    start = end + 1;
    if (!line.empty() && line.front() == u'[') {
      inAutorun = EqualsIgnoringCase(line, "[autorun]");
    } else if (const std::size_t equals = line.find(u'=');
               inAutorun && equals != std::u16string_view::npos &&
               EqualsIgnoringCase(TrimBlanks(line.substr(0, equals)), "label")) {
      return std::u16string(TrimBlanks(line.substr(equals + 1)));
    }
  }
  return {};
}

std::u16string DefaultImageLabel(std::string_view autorunBytes, std::u16string_view folderName) {
  std::u16string label = AutorunLabel(autorunBytes);
  return label.empty() ? std::u16string(folderName) : label;
}

}  // namespace discfront
