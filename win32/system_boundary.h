// Code the system calls back (window procedures, COM methods) runs inside one of these
// guards: an exception that crossed the system's frames would end the program without
// a word and lose what the user has not saved. A window procedure keeps the failure for
// the program's main (program_end.h); a COM method answers with the failure's HRESULT.
#pragma once

#include <windows.h>

#include <new>

namespace win32 {

// For the catch block of a window procedure: keeps the failure for the program's main
// and leaves the message loop. Returns what the procedure returns.
LRESULT FailFromWindowProcedure(HWND hwnd) noexcept;

template <typename Work>
LRESULT GuardWindowProcedure(HWND hwnd, Work&& work) noexcept {
  try {
    return work();
  } catch (...) {
    return FailFromWindowProcedure(hwnd);
  }
}

template <typename Work>
HRESULT GuardComMethod(Work&& work) noexcept {
  try {
    return work();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
}

}  // namespace win32
