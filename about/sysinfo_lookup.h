// Where the system information tool is found: two registry locations, then the system
// folder. A plain decision over a small platform interface, so that tests use a table
// instead of a registry.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace discfront::about {

inline constexpr wchar_t kMsinfoKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr wchar_t kMsinfoPathValue[] = L"PATH";
inline constexpr wchar_t kToolsLocationKey[] = L"SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr wchar_t kToolsLocationValue[] = L"MSINFO";
inline constexpr wchar_t kToolFileName[] = L"\\MSINFO32.EXE";
inline constexpr wchar_t kSystemFolderTool[] = L"\\msinfo32.exe";
inline constexpr wchar_t kSysInfoUnavailable[] = L"System Information Is Unavailable At This Time";

struct RegistryValue {
  std::uint32_t type = 0;
  std::vector<std::uint8_t> bytes;  // exactly as many as the registry reported
};

class SysInfoPlatform {
 public:
  virtual ~SysInfoPlatform() = default;
  // A value under HKEY_LOCAL_MACHINE, or nothing when the key cannot be opened for
  // reading or the value cannot be read (also one longer than 1024 bytes).
  virtual std::optional<RegistryValue> ReadMachineValue(const std::wstring& key, const std::wstring& name) = 0;
  virtual bool FileExists(const std::wstring& path) = 0;
  virtual std::wstring SystemFolder() = 0;
  // The text with its %NAME% environment variables replaced, as REG_EXPAND_SZ asks.
  virtual std::wstring ExpandVariables(const std::wstring& text) = 0;
};

// The command line that starts the tool (its path in quotes, since the path usually
// holds blanks), or nothing when the tool is nowhere, which the caller reports with
// kSysInfoUnavailable. The first of these that names a file that exists: "PATH" of the
// first key; the folder of the second key with "\MSINFO32.EXE"; the system folder's
// msinfo32.exe. A registry value may be a string or an expandable string (its
// variables are replaced); a location that names nothing, or a file that is not there
// (left behind by an uninstalled program), passes on to the next.
std::optional<std::wstring> FindSysInfo(SysInfoPlatform& platform);

}  // namespace discfront::about
