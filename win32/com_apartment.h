// COM for the program's main thread, a single-threaded apartment: started by each
// program's entry point before any window or picture exists, ended when it returns.
#pragma once

#include <objbase.h>
#include <ole2.h>

namespace win32 {

class ComApartment {
 public:
  // OLE1 DDE is left off, as the shell asks of programs that start others through it.
  ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  // Ends only what this object started: a thread already in another apartment
  // (RPC_E_CHANGED_MODE) was not started here.
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  bool started() const { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};

// OLE on top of the apartment, for a window that takes files dragged from the shell
// (RegisterDragDrop needs it, not only COM). Started after the ComApartment, ended before it.
class OleSession {
 public:
  OleSession() : result_(OleInitialize(nullptr)) {}
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;
  ~OleSession() {
    if (SUCCEEDED(result_)) OleUninitialize();
  }

 private:
  HRESULT result_;
};

}  // namespace win32
