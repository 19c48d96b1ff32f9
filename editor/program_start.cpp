#include "program_start.h"

#include <vector>

namespace discfront::editor {

DWORD StartProgramIn(const std::wstring& program, const std::wstring& folder) {
  const std::wstring quoted = L"\"" + program + L"\"";
  std::vector<wchar_t> commandLine(quoted.begin(), quoted.end());
  commandLine.push_back(L'\0');  // CreateProcessW may write into its command line
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &process)) {
    return GetLastError();
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ERROR_SUCCESS;
}

}  // namespace discfront::editor
