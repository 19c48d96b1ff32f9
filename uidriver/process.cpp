// Starting, watching and ending a program under test.
#include "uidriver/process.h"

#include "win32/app_folder.h"

#include <stdexcept>
#include <utility>

#include "uidriver/window_find.h"

namespace uidriver {

Process Process::Start(const std::wstring& program, const std::wstring& arguments,
                       const std::wstring& workingDir) {
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  const std::wstring directory = workingDir.empty() ? FolderOf(program) : workingDir;

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      directory.empty() ? nullptr : directory.c_str(), &startup, &info)) {
    throw std::runtime_error("uidriver: cannot start program (error " +
                             std::to_string(GetLastError()) + ")");
  }
  CloseHandle(info.hThread);
  return Process(info.hProcess, info.dwProcessId);
}

Process::Process(Process&& other) noexcept
    : process_(std::move(other.process_)), id_(std::exchange(other.id_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    Release();
    process_ = std::move(other.process_);
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

Process::~Process() { Release(); }

void Process::Release() {
  if (IsRunning()) Kill();
  process_.reset();
}

bool Process::IsRunning() const {
  return process_.valid() && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool Process::WaitForExit(Milliseconds timeout) const {
  if (!process_.valid()) return true;
  return WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

std::optional<DWORD> Process::ExitCode() const {
  if (!process_.valid() || IsRunning()) return std::nullopt;
  DWORD code = 0;
  if (!GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
  return code;
}

std::vector<HWND> Process::Windows(bool visibleOnly) const {
  return FindWindows({.processId = id_, .visibleOnly = visibleOnly});
}

bool Process::Close(Milliseconds timeout) const {
  for (HWND window : Windows()) PostMessageW(window, WM_CLOSE, 0, 0);
  return WaitForExit(timeout);
}

void Process::Kill(UINT exitCode) const {
  if (!IsRunning()) return;
  TerminateProcess(process_.get(), exitCode);
  WaitForSingleObject(process_.get(), static_cast<DWORD>(kDefaultTimeout.count()));
}

std::wstring FolderOf(const std::wstring& path) { return win32::FolderOfFile(path); }

int SessionDpi() {
  wchar_t value[16] = {};
  const DWORD length = GetEnvironmentVariableW(L"DISCFRONT_TEST_DPI", value, 16);
  return length > 0 && length < 16 ? _wtoi(value) : 96;
}

std::wstring OwnFolder() { return win32::ApplicationFolder(); }

}  // namespace uidriver
