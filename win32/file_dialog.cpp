#include "file_dialog.h"

#include <commdlg.h>

#include <vector>

namespace win32 {
namespace {

constexpr DWORD kNameCapacity = 32768;

std::optional<std::wstring> Show(HWND owner, const FileDialogOptions& options, bool save) {
  // The dialog wants the filter's parts separated by NULs and ended by two.
  std::wstring filter(options.filter);
  for (wchar_t& ch : filter) {
    if (ch == L'|') ch = L'\0';
  }
  filter.append(2, L'\0');
  std::vector<wchar_t> name(kNameCapacity, L'\0');
  options.initialName.copy(name.data(), kNameCapacity - 1);
  const std::wstring extension(options.defaultExtension);

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = kNameCapacity;
  ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
              (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (!chosen) return std::nullopt;
  return std::wstring(name.data());
}

}  // namespace

std::optional<std::wstring> ShowOpenDialog(HWND owner, const FileDialogOptions& options) {
  return Show(owner, options, false);
}

std::optional<std::wstring> ShowSaveDialog(HWND owner, const FileDialogOptions& options) {
  return Show(owner, options, true);
}

}  // namespace win32
