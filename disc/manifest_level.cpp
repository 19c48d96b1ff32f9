#include "manifest_level.h"

#include <string>

#include "base/ascii_text.h"

namespace discfront {
namespace {

constexpr std::string_view kSpace = " \t\r\n";

bool IsNameEnd(char c) { return kSpace.find(c) != std::string_view::npos || c == '/' || c == '>' || c == '='; }

// A name without its namespace prefix ("asmv3:requestedExecutionLevel").
std::string_view LocalName(std::string_view name) {
  const std::size_t colon = name.rfind(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

ExecutionLevel LevelNamed(std::string_view value) {
  const std::size_t first = value.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return ExecutionLevel::kAsInvoker;
  value = value.substr(first, value.find_last_not_of(kSpace) - first + 1);
  if (EqualsIgnoringCase(value, "requireAdministrator")) return ExecutionLevel::kRequireAdministrator;
  if (EqualsIgnoringCase(value, "highestAvailable")) return ExecutionLevel::kHighestAvailable;
  return ExecutionLevel::kAsInvoker;
}

// The level attribute among a tag's attributes (the text after its name, up to ">").
ExecutionLevel LevelAttribute(std::string_view attributes) {
  std::size_t at = 0;
  while (at < attributes.size()) {
    at = attributes.find_first_not_of(kSpace, at);
    if (at == std::string_view::npos) break;
    std::size_t end = at;
    while (end < attributes.size() && !IsNameEnd(attributes[end])) ++end;
    if (end == at) {  // a stray "/" or "="
      ++at;
      continue;
    }
    const std::string_view name = LocalName(attributes.substr(at, end - at));
    at = attributes.find_first_not_of(kSpace, end);
    if (at == std::string_view::npos || attributes[at] != '=') continue;
    at = attributes.find_first_not_of(kSpace, at + 1);
    if (at == std::string_view::npos || (attributes[at] != '"' && attributes[at] != '\'')) continue;
    const std::size_t close = attributes.find(attributes[at], at + 1);
    if (close == std::string_view::npos) break;
    if (name == "level") return LevelNamed(attributes.substr(at + 1, close - at - 1));
    at = close + 1;
  }
  return ExecutionLevel::kAsInvoker;
}

// UTF-16 text (with its byte order mark) narrowed to its low bytes: the element and
// attribute names and the values that matter are all ASCII.
std::string Narrowed(std::string_view text, std::size_t lowByte) {
  std::string narrow;
  narrow.reserve(text.size() / 2);
  for (std::size_t i = 2; i + 1 < text.size(); i += 2) narrow += text[i + lowByte];
  return narrow;
}

}  // namespace

ExecutionLevel RequestedExecutionLevel(std::string_view manifest) {
  if (manifest.starts_with("\xFF\xFE")) return RequestedExecutionLevel(Narrowed(manifest, 0));
  if (manifest.starts_with("\xFE\xFF")) return RequestedExecutionLevel(Narrowed(manifest, 1));
  std::size_t at = 0;
  while ((at = manifest.find('<', at)) != std::string_view::npos) {
    if (manifest.substr(at).starts_with("<!--")) {
      at = manifest.find("-->", at + 4);
      if (at == std::string_view::npos) break;
      continue;
    }
    std::size_t nameEnd = at + 1;
    while (nameEnd < manifest.size() && !IsNameEnd(manifest[nameEnd])) ++nameEnd;
    const std::size_t tagEnd = std::min(manifest.find('>', nameEnd), manifest.size());
    if (LocalName(manifest.substr(at + 1, nameEnd - at - 1)) == "requestedExecutionLevel") {
      return LevelAttribute(manifest.substr(nameEnd, tagEnd - nameEnd));
    }
    at = tagEnd;
  }
  return ExecutionLevel::kAsInvoker;
}

}  // namespace discfront
