#include "disc/entry_path_rules.h"

#include "base/ascii_text.h"

namespace discfront {
namespace {

using Kind = PathFinding::Kind;

bool IsSeparator(wchar_t ch) { return ch == L'\\' || ch == L'/'; }
bool IsAsciiLetter(wchar_t ch) { return (ch >= L'A' && ch <= L'Z') || (ch >= L'a' && ch <= L'z'); }

// The system takes "NUL", "nul.txt" and "NUL .txt" alike for the device, in any folder.
bool NamesDevice(std::wstring_view component) {
  std::wstring_view base = component.substr(0, component.find(L'.'));
  while (!base.empty() && base.back() == L' ') base.remove_suffix(1);
  for (std::string_view device : {"CON", "PRN", "AUX", "NUL"}) {
    if (EqualsIgnoringCase(base, device)) return true;
  }
  if (base.size() != 4 || base[3] < L'1' || base[3] > L'9') return false;
  return EqualsIgnoringCase(base.substr(0, 3), "COM") || EqualsIgnoringCase(base.substr(0, 3), "LPT");
}

std::vector<std::wstring_view> Components(std::wstring_view path) {
  std::vector<std::wstring_view> components;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= path.size(); ++i) {
    if (i < path.size() && !IsSeparator(path[i])) continue;
    if (i > start) components.push_back(path.substr(start, i - start));
    start = i + 1;
  }
  return components;
}

}  // namespace

std::vector<PathFinding> CheckEntryPath(std::wstring_view path) {
  std::vector<PathFinding> findings;
  if (path.empty()) return findings;
  const std::vector<std::wstring_view> components = Components(path);
  auto first = [&](auto breaks) -> std::wstring_view {
    for (std::wstring_view component : components) {
      if (breaks(component)) return component;
    }
    return {};
  };

  if (path.front() != L'\\') findings.push_back({Kind::kNotFromDiscFolder, {}});
  if (!first([](std::wstring_view c) { return c == L".."; }).empty()) {
    findings.push_back({Kind::kLeavesDiscFolder, L".."});
  }
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    if (IsAsciiLetter(path[i]) && path[i + 1] == L':') {
      findings.push_back({Kind::kDriveLetter, std::wstring(path.substr(i, 2))});
      break;
    }
  }
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) findings.push_back({Kind::kServer, {}});
  if (const std::wstring_view device = first(NamesDevice); !device.empty()) {
    findings.push_back({Kind::kDeviceName, std::wstring(device)});
  }
  const std::wstring_view longName =
      first([](std::wstring_view c) { return c.size() > kLongestPathComponent; });
  if (!longName.empty()) findings.push_back({Kind::kComponentTooLong, std::wstring(longName)});
  constexpr std::size_t kDriveAndNull = 3;  // "D:" before the path, the null after it
  if (path.size() + kDriveAndNull > kLongestFullPath) findings.push_back({Kind::kPathTooLong, {}});
  return findings;
}

}  // namespace discfront
