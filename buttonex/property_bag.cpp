// The property store and its text form.
//
// A line is "Key = value" where value is one of
//   123            a number (32-bit signed)
//   &H8000000F&    a colour
//   True / False   a boolean
//   "text"         a string; \" \\ \n \r \t are escapes
//   Picture("...") a picture: its file image in base64; Picture("") is the empty picture
//   Font("name", 8.25, 400, False, False, False, 204)
// A key that is not there is none for a picture; blank lines and lines starting
// with "'" are skipped.
#include "buttonex/property_bag.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "base/decimal_text.h"
#include "base/texts.h"
#include "buttonex/buttonex_texts.h"

namespace discfront::buttonex {
namespace {

std::wstring Widen(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// The failure of a saved form's line: `what` (a text number) filled with `args`.
[[noreturn]] void FailAtLine(ErrorNumber number, int line, unsigned what,
                             std::initializer_list<std::wstring_view> args = {}) {
  throw ButtonExError(number, FormatText(kTextSavedLine, {DecimalText(line), FormatText(what, args)}));
}

const char* Bool(bool b) { return b ? "True" : "False"; }

std::string Quote(std::wstring_view text) {
  std::string out = "\"";
  for (char c : ToUtf8(text)) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: out += c;
    }
  }
  return out + "\"";
}

std::string FormatValue(const PropertyValue& value) {
  struct Formatter {
    std::string operator()(std::int32_t v) const { return std::to_string(v); }
    std::string operator()(Colour v) const {
      char buf[16];
      std::snprintf(buf, sizeof buf, "&H%08X&", static_cast<unsigned>(v));
      return buf;
    }
    std::string operator()(bool v) const { return Bool(v); }
    std::string operator()(const std::wstring& v) const { return Quote(v); }
    std::string operator()(const PictureRef& v) const {
      // Only written when there is an object: none is the default and left out.
      return "Picture(\"" + (v ? EncodeBase64(v->Bytes()) : std::string()) + "\")";
    }
    std::string operator()(const FontRef& v) const {
      const FontDescription font = v ? *v : FontDescription{};
      char size[32];
      std::snprintf(size, sizeof size, "%g", font.points);
      return "Font(" + Quote(font.name) + ", " + size + ", " + std::to_string(font.weight) + ", " +
             Bool(font.italic) + ", " + Bool(font.underline) + ", " + Bool(font.strikeout) + ", " +
             std::to_string(font.charset) + ")";
    }
  };
  return std::visit(Formatter{}, value);
}

// Reads one value from a line, reporting faults with the line's number.
class ValueParser {
 public:
  ValueParser(std::string_view text, int line, const PictureDecoder& decode)
      : text_(text), line_(line), decode_(decode) {}

  PropertyValue Parse() {
    PropertyValue v = ParseOne();
    SkipBlanks();
    if (pos_ != text_.size()) Fail(kTextSavedExtra);
    return v;
  }

 private:
  [[noreturn]] void Fail(unsigned what, std::initializer_list<std::wstring_view> args = {}) const {
    FailAtLine(ErrorNumber::kInvalidCall, line_, what, args);
  }

  void SkipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  }

  bool Take(std::string_view word) {
    SkipBlanks();
    if (text_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }

  void Expect(char c) {
    if (!Take(std::string_view(&c, 1))) Fail(kTextSavedExpected, {std::wstring(1, static_cast<wchar_t>(c))});
  }

  PropertyValue ParseOne() {
    SkipBlanks();
    if (pos_ >= text_.size()) Fail(kTextSavedNoValue);
    if (Take("True")) return true;
    if (Take("False")) return false;
    if (Take("&H")) return ParseColour();
    if (Take("Picture(")) return ParsePicture();
    if (Take("Font(")) return ParseFont();
    if (text_[pos_] == '"') return ParseString();
    return ParseInt();
  }

  bool ParseBool() {
    if (Take("True")) return true;
    if (Take("False")) return false;
    Fail(kTextSavedBoolExpected);
  }

  std::int32_t ParseInt() {
    SkipBlanks();
    long long v = 0;
    const char* first = text_.data() + pos_;
    const auto [end, ec] = std::from_chars(first, text_.data() + text_.size(), v);
    if (ec == std::errc::result_out_of_range || (ec == std::errc() && (v < INT32_MIN || v > INT32_MAX))) {
      FailAtLine(ErrorNumber::kOverflow, line_, kTextSavedOverflow);
    }
    if (ec != std::errc() || end == first) Fail(kTextSavedUnclearValue);
    pos_ += static_cast<std::size_t>(end - first);
    return static_cast<std::int32_t>(v);
  }

  Colour ParseColour() {
    unsigned long v = 0;
    const char* first = text_.data() + pos_;
    const auto [end, ec] = std::from_chars(first, text_.data() + text_.size(), v, 16);
    if (ec != std::errc() || end == first || end - first > 8) Fail(kTextSavedBadColour);
    pos_ += static_cast<std::size_t>(end - first);
    if (!Take("&")) Fail(kTextSavedBadColour);
    return static_cast<Colour>(v);
  }

  std::string ParseRawString() {
    SkipBlanks();
    if (pos_ >= text_.size() || text_[pos_] != '"') Fail(kTextSavedStringExpected);
    ++pos_;
    std::string out;
    while (true) {
      if (pos_ >= text_.size()) Fail(kTextSavedUnclosedString);
      const char c = text_[pos_++];
      if (c == '"') break;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= text_.size()) Fail(kTextSavedUnclosedString);
      switch (text_[pos_++]) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        default: Fail(kTextSavedUnknownEscape);
      }
    }
    return out;
  }

  std::wstring ParseString() {
    auto wide = FromUtf8(ParseRawString());
    if (!wide) Fail(kTextSavedNotUtf8);
    return *wide;
  }

  PictureRef ParsePicture() {
    const std::string encoded = ParseRawString();
    Expect(')');
    if (encoded.empty()) return MakeEmptyPicture();
    auto bytes = DecodeBase64(encoded);
    if (!bytes) Fail(kTextSavedBadPicture);
    PictureRef picture = decode_ ? decode_(*bytes) : nullptr;
    if (!picture) Fail(kTextSavedUnknownPicture);
    return picture;
  }

  FontRef ParseFont() {
    FontDescription font;
    font.name = ParseString();
    Expect(',');
    SkipBlanks();
    char* end = nullptr;
    const std::string rest(text_.substr(pos_));
    font.points = std::strtod(rest.c_str(), &end);
    if (end == rest.c_str() || !(font.points > 0 && font.points < 1000)) Fail(kTextSavedBadFontSize);
    pos_ += static_cast<std::size_t>(end - rest.c_str());
    Expect(',');
    font.weight = ParseInt();
    Expect(',');
    font.italic = ParseBool();
    Expect(',');
    font.underline = ParseBool();
    Expect(',');
    font.strikeout = ParseBool();
    Expect(',');
    font.charset = ParseInt();
    Expect(')');
    return std::make_shared<const FontDescription>(font);
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_;
  const PictureDecoder& decode_;
};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

}  // namespace

PropertyValue PropertyBag::ReadProperty(std::string_view key, const PropertyValue& defaultValue) const {
  const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == key; });
  if (it == entries_.end()) return defaultValue;
  const PropertyValue& stored = it->second;
  if (stored.index() == defaultValue.index()) return stored;
  if (std::holds_alternative<Colour>(defaultValue) && std::holds_alternative<std::int32_t>(stored)) {
    return static_cast<Colour>(std::get<std::int32_t>(stored));
  }
  if (std::holds_alternative<std::int32_t>(defaultValue) && std::holds_alternative<Colour>(stored)) {
    return static_cast<std::int32_t>(std::get<Colour>(stored));
  }
  throw ButtonExError(ErrorNumber::kInvalidCall, FormatText(kTextSavedWrongKind, {Widen(key)}));
}

void PropertyBag::WriteProperty(std::string_view key, const PropertyValue& value,
                                const PropertyValue& defaultValue) {
  const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == key; });
  if (SameValue(value, defaultValue)) {
    if (it != entries_.end()) entries_.erase(it);
    return;
  }
  if (it != entries_.end()) {
    it->second = value;
  } else {
    entries_.emplace_back(std::string(key), value);
  }
}

bool PropertyBag::Has(std::string_view key) const {
  return std::any_of(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == key; });
}

std::string PropertyBag::ToText() const {
  std::string out;
  for (const auto& [key, value] : entries_) out += key + " = " + FormatValue(value) + "\n";
  return out;
}

PropertyBag PropertyBag::FromText(std::string_view text, const PictureDecoder& decode) {
  PropertyBag bag;
  int lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++lineNumber;
    if (line.empty() || line.front() == '\'') continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      FailAtLine(ErrorNumber::kInvalidCall, lineNumber, kTextSavedNoEquals);
    }
    const std::string_view key = Trim(line.substr(0, eq));
    if (key.empty()) {
      FailAtLine(ErrorNumber::kInvalidCall, lineNumber, kTextSavedNoName);
    }
    PropertyValue value = ValueParser(line.substr(eq + 1), lineNumber, decode).Parse();
    const auto it = std::find_if(bag.entries_.begin(), bag.entries_.end(), [&](const auto& e) { return e.first == key; });
    if (it != bag.entries_.end()) {
      it->second = std::move(value);
    } else {
      bag.entries_.emplace_back(std::string(key), std::move(value));
    }
  }
  return bag;
}

}  // namespace discfront::buttonex
