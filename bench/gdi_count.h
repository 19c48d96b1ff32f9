// The number of GDI objects (and device contexts) of this process.
//
// GetGuiResources answers on Windows; Wine answers 0, so there the handle table is
// probed instead: a handle value whose high word is 0 names the live object in that
// slot of the table, whatever its generation.
#pragma once

#include <windows.h>

namespace discfront::bench {

inline DWORD CountGdiObjects() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) return reported;
  DWORD count = 0;
  for (ULONG_PTR slot = 1; slot < 0x10000; ++slot) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0) ++count;
  }
  SetLastError(0);
  return count;
}

}  // namespace discfront::bench
