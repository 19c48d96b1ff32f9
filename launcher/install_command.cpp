#include "launcher/install_command.h"

#include <string>

#include "win32/app_folder.h"
#include "win32/message_box.h"
#include "win32/program_file.h"
#include "win32/system_machine.h"
#include "win32/shell_start.h"
#include "base/texts.h"
#include "disc/machine_fit.h"
#include "launcher/launcher_texts.h"

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

// The file looked for goes below the message, so the author sees which entry is wrong.
void ShowFileNotFound(HWND owner, const std::wstring& file) { ShowStop(owner, FormatText(kTextProgramNotFound, {file})); }

// A program for a processor this Windows cannot run gets the launcher's message
// rather than the system's "not a valid application". True when it may be started.
bool StartsHere(HWND owner, const std::wstring& file) {
  const std::optional<ProgramImage> program = win32::SystemProgramProbe().ReadProgram(file);
  if (!program) return true;
  switch (FitOnSystem(*program, win32::SystemMachine())) {
    case MachineFit::kStarts: return true;
    case MachineFit::kNeeds64BitWindows: ShowStop(owner, FormatText(kTextNeeds64BitWindows, {file})); return false;
    case MachineFit::kNeedsArmWindows: ShowStop(owner, FormatText(kTextNeedsArmWindows, {file})); return false;
  }
  return true;
}

}  // namespace

bool CarryOutInstall(HWND owner, const InstallPlan& plan) {
  std::wstring file;
  std::wstring arguments;
  std::wstring workingFolder;
  switch (plan.kind) {
    case InstallPlan::Kind::kNothing:
      return false;
    case InstallPlan::Kind::kFileNotFound:
      ShowFileNotFound(owner, plan.target.file);
      return false;
    case InstallPlan::Kind::kFolderWindow:
      file = FolderWindowProgram();
      arguments = FolderWindowArguments(plan.select);
      break;
    case InstallPlan::Kind::kStart:
      file = plan.target.file;
      arguments = plan.target.arguments;
      if (!StartsHere(owner, file)) return false;
      // As the shell starts a program a user opens: setups read the files beside them.
      workingFolder = win32::FolderOfFile(file);
      break;
  }
  const win32::ShellStartResult result = win32::ShellStart(owner, file, arguments, plan.showState, workingFolder);
  switch (result.outcome) {
    case win32::ShellStartResult::Outcome::kStarted:
      return true;
    case win32::ShellStartResult::Outcome::kDeclined:
      return false;
    case win32::ShellStartResult::Outcome::kFileNotFound:
      // Gone between the look and the start.
      ShowFileNotFound(owner, file);
      return false;
    case win32::ShellStartResult::Outcome::kFailed:
      ShowStop(owner, win32::StartFailureText(file, result.systemError));
      return false;
  }
  return false;
}

}  // namespace discfront
