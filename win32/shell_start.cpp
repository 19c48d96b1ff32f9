#include "win32/shell_start.h"

#include <shellapi.h>

#include "base/texts.h"
#include "win32/win32_texts.h"

namespace win32 {

ShellStartResult ShellStart(HWND owner, const std::wstring& file, const std::wstring& arguments, int showState,
                            const std::wstring& workingFolder) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  // NOASYNC: the launcher may end right after a start (Exit), which must not cut it off.
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.hwnd = owner;
  info.lpFile = file.c_str();
  info.lpParameters = arguments.empty() ? nullptr : arguments.c_str();
  info.lpDirectory = workingFolder.empty() ? nullptr : workingFolder.c_str();
  info.nShow = showState;
  if (ShellExecuteExW(&info)) return {};
  const DWORD error = GetLastError();
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return {ShellStartResult::Outcome::kFileNotFound, error};
    case ERROR_CANCELLED:
      return {ShellStartResult::Outcome::kDeclined, error};
    default:
      return {ShellStartResult::Outcome::kFailed, error};
  }
}

std::wstring StartFailureText(const std::wstring& file, DWORD error) {
  // Some of the system's texts name the file as "%1".
  std::wstring reason = SystemReason(error);
  for (std::size_t at = reason.find(L"%1"); at != std::wstring::npos; at = reason.find(L"%1", at + file.size())) {
    reason.replace(at, 2, file);
  }
  return discfront::FormatText(kTextStartFailed, {file, reason});
}

}  // namespace win32
