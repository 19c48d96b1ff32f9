#include "version_text.h"

#include <algorithm>
#include <vector>

namespace discfront {
namespace {

constexpr std::uint32_t kVersionType = 16;
constexpr std::uint32_t kVersionName = 1;
// A version resource holds a few short texts; anything longer is cut here.
constexpr std::uint32_t kLargestVersion = 64 * 1024;

// One block of the resource: a key, its value and the blocks inside it. Each block
// starts on a four-byte boundary of the resource and says its own length.
struct Block {
  std::u16string key;
  std::size_t value = 0;     // where its value starts
  std::size_t children = 0;  // where the blocks inside it start
  std::size_t end = 0;
};

std::size_t Aligned(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

char16_t Unit(std::string_view bytes, std::size_t at) {
  return static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8);
}

// The text from `at` up to its null or `end`.
std::u16string TextAt(std::string_view bytes, std::size_t at, std::size_t end, std::size_t& after) {
  std::u16string text;
  while (at + 2 <= end) {
    const char16_t unit = Unit(bytes, at);
    at += 2;
    if (unit == 0) break;
    text.push_back(unit);
  }
  after = at;
  return text;
}

// The block at `at`, if it lies whole inside [at, limit).
std::optional<Block> BlockAt(std::string_view bytes, std::size_t at, std::size_t limit) {
  if (at + 6 > limit) return std::nullopt;
  const std::size_t length = Unit(bytes, at);
  const std::size_t valueLength = Unit(bytes, at + 2);
  const bool text = Unit(bytes, at + 4) == 1;
  if (length < 6 || at + length > limit) return std::nullopt;
  Block block;
  block.end = at + length;
  std::size_t afterKey = 0;
  block.key = TextAt(bytes, at + 6, block.end, afterKey);
  block.value = std::min(Aligned(afterKey), block.end);
  // Texts count their length in characters, other values in bytes.
  block.children = std::min(Aligned(block.value + valueLength * (text ? 2 : 1)), block.end);
  return block;
}

std::vector<Block> Children(std::string_view bytes, const Block& parent) {
  std::vector<Block> blocks;
  for (std::size_t at = parent.children; at < parent.end;) {
    const std::optional<Block> block = BlockAt(bytes, at, parent.end);
    if (!block) break;
    blocks.push_back(*block);
    at = Aligned(block->end);
  }
  return blocks;
}

std::wstring Wide(const std::u16string& text) {
  std::wstring wide;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    // Where wchar_t holds code points, a surrogate pair is one character.
    if constexpr (sizeof(wchar_t) == 4) {
      if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
      }
    }
    wide.push_back(static_cast<wchar_t>(c));
  }
  return wide;
}

bool Blank(const std::u16string& text) {
  return std::all_of(text.begin(), text.end(), [](char16_t c) { return c == u' ' || c == u'\t'; });
}

// The string tables (keys such as "041904B0": language, then code page), that of
// `language` first.
std::vector<Block> StringTables(std::string_view bytes, std::uint16_t language) {
  const std::optional<Block> root = BlockAt(bytes, 0, bytes.size());
  if (!root || root->key != u"VS_VERSION_INFO") return {};
  std::vector<Block> tables;
  for (const Block& info : Children(bytes, *root)) {
    if (info.key != u"StringFileInfo") continue;
    for (const Block& table : Children(bytes, info)) tables.push_back(table);
  }
  const auto isPreferred = [language](const Block& table) {
    std::u16string code;
    for (const char16_t c : table.key.substr(0, 4)) code.push_back(c >= u'a' && c <= u'z' ? c - 32 : c);
    const char16_t* digits = u"0123456789ABCDEF";
    std::u16string wanted;
    for (int shift = 12; shift >= 0; shift -= 4) wanted.push_back(digits[(language >> shift) & 0xF]);
    return code == wanted;
  };
  std::stable_partition(tables.begin(), tables.end(), isPreferred);
  return tables;
}

}  // namespace

std::optional<std::wstring> VersionTitle(std::string_view resource, std::uint16_t language) {
  const std::vector<Block> tables = StringTables(resource, language);
  for (const std::u16string_view name : {u"FileDescription", u"ProductName"}) {
    for (const Block& table : tables) {
      for (const Block& string : Children(resource, table)) {
        if (string.key != name) continue;
        std::size_t after = 0;
        // The text runs to its null; some tools count its length in bytes, so the
        // block's end bounds it rather than the stated length.
        const std::u16string text = TextAt(resource, string.value, string.end, after);
        if (!Blank(text)) return Wide(text);
      }
    }
  }
  return std::nullopt;
}

std::optional<std::wstring> ReadVersionTitle(const ByteSource& file, std::uint16_t language) {
  const std::optional<std::string> resource = ReadProgramResource(file, kVersionType, kVersionName, kLargestVersion);
  if (!resource) return std::nullopt;
  return VersionTitle(*resource, language);
}

}  // namespace discfront
