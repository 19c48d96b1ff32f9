// A stranger's library planted beside the programs under the name of one they load
// (hhctrl.ocx): whichever process loads it leaves the file "<its path>.loaded".
#include <windows.h>

#include <cwchar>
#include <iterator>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  constexpr wchar_t kSuffix[] = L".loaded";
  wchar_t path[MAX_PATH + std::size(kSuffix)];
  const DWORD length = GetModuleFileNameW(instance, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return TRUE;
  std::wmemcpy(path + length, kSuffix, std::size(kSuffix));
  CloseHandle(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  return TRUE;
}

// An entry point, so that a test can load the library the way any program might.
extern "C" __declspec(dllexport) void CALLBACK Probe(HWND, HINSTANCE, LPSTR, int) {}
