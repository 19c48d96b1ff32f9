#include "process.h"

#include <windows.h>

#include <vector>

namespace win32 {

using discfront::ErrorNumber;

ErrorNumber StartProgram(const std::wstring& commandLine, int showState) {
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');  // CreateProcessW may write into its command line
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showState);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ErrorNumber::kFileNotFound
                                                                          : ErrorNumber::kInvalidCall;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ErrorNumber::kNone;
}

}  // namespace win32
