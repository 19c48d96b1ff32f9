// IUnknown for a COM object of one interface: the reference count, and the interface
// itself (or IUnknown) handed out by QueryInterface. Deleted only by Release, through the
// derived type's virtual destructor (COM interfaces have none of their own).
#pragma once

#include <windows.h>

#include <unknwn.h>

namespace win32 {

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
template <typename Interface>
class ComUnknown : public Interface {
 public:
  virtual ~ComUnknown() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, __uuidof(Interface))) {
      *object = static_cast<Interface*>(this);
      this->AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

 private:
  LONG references_ = 1;
};
#pragma GCC diagnostic pop

}  // namespace win32
