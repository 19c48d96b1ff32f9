#include "about/sysinfo.h"

#include <optional>
#include <string>

#include "about/sysinfo_lookup.h"
#include "win32/handles.h"
#include "win32/message_box.h"
#include "win32/process.h"

namespace discfront::about {
namespace {

constexpr DWORD kValueBufferBytes = 1024;

// The registry is only read, so the key is opened for reading: full access would
// fail for every user who is not an administrator.
class MachinePlatform : public SysInfoPlatform {
 public:
  std::optional<RegistryValue> ReadMachineValue(const std::wstring& key, const std::wstring& name) override {
    win32::UniqueHKey opened;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, opened.put()) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    RegistryValue value;
    value.bytes.assign(kValueBufferBytes, 0);
    DWORD type = 0;
    DWORD size = kValueBufferBytes;
    if (RegQueryValueExW(opened.get(), name.c_str(), nullptr, &type, value.bytes.data(), &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    value.type = type;
    value.bytes.resize(size);
    return value;
  }

  bool FileExists(const std::wstring& path) override {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  }

  std::wstring SystemFolder() override {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(folder, length) : std::wstring();
  }

  std::wstring ExpandVariables(const std::wstring& text) override {
    const DWORD size = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (size == 0) return text;
    std::wstring expanded(size, L'\0');
    const DWORD written = ExpandEnvironmentStringsW(text.c_str(), expanded.data(), size);
    if (written == 0 || written > size) return text;
    expanded.resize(written - 1);  // without its NUL
    return expanded;
  }
};

}  // namespace

void StartSysInfo(HWND owner) {
  MachinePlatform platform;
  const std::optional<std::wstring> commandLine = FindSysInfo(platform);
  if (commandLine && win32::StartProgram(*commandLine, win32::kShowNormal) == ERROR_SUCCESS) return;
  win32::ShowMessage(owner, kSysInfoUnavailable);
}

}  // namespace discfront::about
