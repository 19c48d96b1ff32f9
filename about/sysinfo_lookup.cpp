#include "about/sysinfo_lookup.h"

#include "about/key_value.h"

namespace discfront::about {
namespace {

// A path that comes quoted already is left as it is.
std::wstring Quoted(const std::wstring& path) {
  if (path.empty() || path.front() == L'"') return path;
  return L"\"" + path + L"\"";
}

}  // namespace

KeyRead GetKeyValue(SysInfoPlatform& platform, const std::wstring& key, const std::wstring& name, std::wstring& value) {
  const std::optional<RegistryValue> read = platform.ReadMachineValue(key, name);
  if (!read) {
    value.clear();
    return KeyRead::kNotRead;
  }
  std::optional<std::wstring> text = FormatKeyValue(read->type, read->bytes, value);
  if (!text) return KeyRead::kUnreadable;
  value = std::move(*text);
  return KeyRead::kRead;
}

std::optional<std::wstring> FindSysInfo(SysInfoPlatform& platform) {
  std::wstring path;
  if (GetKeyValue(platform, kMsinfoKey, kMsinfoPathValue, path) == KeyRead::kRead) return Quoted(path);
  if (GetKeyValue(platform, kToolsLocationKey, kToolsLocationValue, path) == KeyRead::kRead) {
    const std::wstring tool = path + kToolFileName;
    if (platform.FileExists(tool)) return Quoted(tool);
  }
  const std::wstring systemTool = platform.SystemFolder() + kSystemFolderTool;
  if (platform.FileExists(systemTool)) return Quoted(systemTool);
  return std::nullopt;
}

}  // namespace discfront::about
