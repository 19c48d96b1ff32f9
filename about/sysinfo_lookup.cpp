#include "about/sysinfo_lookup.h"

#include "about/key_value.h"

namespace discfront::about {
namespace {

// A path that comes quoted already is left as it is.
std::wstring Quoted(const std::wstring& path) {
  if (path.empty() || path.front() == L'"') return path;
  return L"\"" + path + L"\"";
}

std::wstring Unquoted(const std::wstring& path) {
  if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"') return path.substr(1, path.size() - 2);
  return path;
}

// A location's text: a string as it is, an expandable one with its variables replaced,
// a number as "&h" and digits (which names no file); nothing for a value that
// is not there or has no text.
std::optional<std::wstring> ReadPath(SysInfoPlatform& platform, const std::wstring& key, const std::wstring& name) {
  const std::optional<RegistryValue> read = platform.ReadMachineValue(key, name);
  if (!read) return std::nullopt;
  const bool expandable = read->type == kRegExpandSz;
  std::optional<std::wstring> text = FormatKeyValue(expandable ? kRegSz : read->type, read->bytes, L"");
  if (!text) return std::nullopt;
  return expandable ? platform.ExpandVariables(*text) : *text;
}

}  // namespace

std::optional<std::wstring> FindSysInfo(SysInfoPlatform& platform) {
  const auto existing = [&](const std::wstring& path) -> std::optional<std::wstring> {
    if (path.empty() || !platform.FileExists(Unquoted(path))) return std::nullopt;
    return Quoted(path);
  };
  if (const std::optional<std::wstring> path = ReadPath(platform, kMsinfoKey, kMsinfoPathValue)) {
    if (auto found = existing(*path)) return found;
  }
  if (const std::optional<std::wstring> folder = ReadPath(platform, kToolsLocationKey, kToolsLocationValue)) {
    if (auto found = existing(Unquoted(*folder) + kToolFileName)) return found;
  }
  return existing(platform.SystemFolder() + kSystemFolderTool);
}

}  // namespace discfront::about
