#include "launcher/install_command.h"

#include <string>

#include "win32/message_box.h"
#include "win32/shell_start.h"

namespace discfront {
namespace {

// The system's folder window, named by its full path: a bare name is searched for in
// the working folder first, where a file of that name could stand.
std::wstring FolderWindowProgram() {
  wchar_t windows[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return L"explorer.exe";
  return std::wstring(windows, length) + L"\\explorer.exe";
}

void ShowStop(HWND owner, const std::wstring& text) {
  static const std::wstring caption = kInstallCaption;
  win32::ShowMessage(owner, text, win32::MessageIcon::kStop, MB_OK, &caption);
}

}  // namespace

void CarryOutInstall(HWND owner, const InstallPlan& plan) {
  std::wstring file;
  std::wstring arguments;
  switch (plan.kind) {
    case InstallPlan::Kind::kNothing:
      return;
    case InstallPlan::Kind::kFileNotFound:
      ShowStop(owner, L"Файл не найден.");
      return;
    case InstallPlan::Kind::kFolderWindow:
      file = FolderWindowProgram();
      arguments = FolderWindowArguments(plan.select);
      break;
    case InstallPlan::Kind::kStart:
      file = plan.target.file;
      arguments = plan.target.arguments;
      break;
  }
  const win32::ShellStartResult result = win32::ShellStart(owner, file, arguments, plan.showState);
  switch (result.outcome) {
    case win32::ShellStartResult::Outcome::kStarted:
    case win32::ShellStartResult::Outcome::kDeclined:
      return;
    case win32::ShellStartResult::Outcome::kFileNotFound:
      // Gone between the look and the start.
      ShowStop(owner, L"Файл не найден.");
      return;
    case win32::ShellStartResult::Outcome::kFailed:
      ShowStop(owner, win32::StartFailureText(file, result.systemError));
      return;
  }
}

}  // namespace discfront
