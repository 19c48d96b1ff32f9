#include "win32/system_machine.h"

#include <windows.h>

namespace win32 {

discfront::Machine SystemMachine() {
  // Only IsWow64Process2 (Windows 10 1709 and later) tells ARM64 from the x86 or x64 it
  // emulates; before it, the native system information is right.
  using IsWow64Process2Call = BOOL(WINAPI*)(HANDLE, USHORT*, USHORT*);
  if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) {
    const auto isWow64Process2 =
        reinterpret_cast<IsWow64Process2Call>(reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process2")));
    USHORT process = 0, native = 0;
    if (isWow64Process2 != nullptr && isWow64Process2(GetCurrentProcess(), &process, &native)) {
      return discfront::MachineOf(native);
    }
  }
  SYSTEM_INFO info{};
  GetNativeSystemInfo(&info);
  switch (info.wProcessorArchitecture) {
    case PROCESSOR_ARCHITECTURE_INTEL: return discfront::Machine::kX86;
    case PROCESSOR_ARCHITECTURE_AMD64: return discfront::Machine::kX64;
    case PROCESSOR_ARCHITECTURE_ARM64: return discfront::Machine::kArm64;
    default: return discfront::Machine::kOther;
  }
}

}  // namespace win32
