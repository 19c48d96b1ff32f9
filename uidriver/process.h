// A program started by a test: waits for its end, reads its exit code, closes or kills it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "uidriver/wait.h"
#include "win32/handles.h"

namespace uidriver {

class Process {
 public:
  // Starts the program file `program` (a full Windows path); its folder is then the
  // program's application folder. `arguments` follow the quoted program name on the
  // command line. The working directory is `workingDir`, or the program's folder when
  // empty. Throws std::runtime_error when the program cannot be started.
  static Process Start(const std::wstring& program, const std::wstring& arguments = {},
                       const std::wstring& workingDir = {});

  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  // A program still running is killed, so that no test leaves one behind.
  ~Process();

  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_.get(); }  // owned by this object

  bool IsRunning() const;
  // True once the program has ended (within the time-out).
  bool WaitForExit(Milliseconds timeout = kDefaultTimeout) const;
  // The exit code, or nothing while the program runs.
  std::optional<DWORD> ExitCode() const;

  // The program's top-level windows (visible ones only, unless asked otherwise).
  std::vector<HWND> Windows(bool visibleOnly = true) const;

  // Asks every visible top-level window of the program to close (WM_CLOSE) and waits
  // for the program to end. Returns whether it ended; it is not killed here.
  bool Close(Milliseconds timeout = kDefaultTimeout) const;
  // Ends the program at once (with its windows) and waits until it is gone.
  void Kill(UINT exitCode = 0xDEAD) const;

 private:
  Process(HANDLE process, DWORD id) : process_(process), id_(id) {}
  void Release();

  win32::UniqueHandle process_;
  DWORD id_ = 0;
};

// The folder part of a Windows path (without the trailing backslash).
std::wstring FolderOf(const std::wstring& path);
// The folder of the running test program: test targets are built beside it.
std::wstring OwnFolder();
// The resolution of the Wine session the test runs in: DISCFRONT_TEST_DPI, which the
// build sets for the sessions at 144 and 192 dpi, else 96.
int SessionDpi();

}  // namespace uidriver
