// The delegating accessible object.
#include "win32/accessible_proxy.h"

namespace win32 {

AccessibleProxy::~AccessibleProxy() {
  if (standard_ != nullptr) standard_->Release();
}

HRESULT AccessibleProxy::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, kIidAccessible)) {
    *out = static_cast<IAccessible*>(this);
  } else if (IsEqualIID(iid, kIidEnumVariant) || IsEqualIID(iid, kIidServiceProvider) ||
             IsEqualIID(iid, kIidOleWindow) || IsEqualIID(iid, kIidAccIdentity)) {
    IUnknown* inner = Standard<IUnknown>(iid);
    if (inner == nullptr) return E_NOINTERFACE;
    inner->Release();
    if (IsEqualIID(iid, kIidEnumVariant)) *out = static_cast<IEnumVARIANT*>(this);
    if (IsEqualIID(iid, kIidServiceProvider)) *out = static_cast<IServiceProvider*>(this);
    if (IsEqualIID(iid, kIidOleWindow)) *out = static_cast<IOleWindow*>(this);
    if (IsEqualIID(iid, kIidAccIdentity)) *out = static_cast<IAccIdentity*>(this);
  } else {
    // An interface handed out from the standard object would lead back to it, not here.
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG AccessibleProxy::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

ULONG AccessibleProxy::Release() {
  const LONG left = InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT AccessibleProxy::Answer(std::wstring_view text, BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

#define DISCFRONT_DELEGATE(call) return standard_ != nullptr ? standard_->call : E_FAIL

HRESULT AccessibleProxy::GetTypeInfoCount(UINT* count) { DISCFRONT_DELEGATE(GetTypeInfoCount(count)); }
HRESULT AccessibleProxy::GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) {
  DISCFRONT_DELEGATE(GetTypeInfo(index, lcid, info));
}
HRESULT AccessibleProxy::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) {
  DISCFRONT_DELEGATE(GetIDsOfNames(iid, names, count, lcid, ids));
}
HRESULT AccessibleProxy::Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                EXCEPINFO* exception, UINT* argError) {
  DISCFRONT_DELEGATE(Invoke(id, iid, lcid, flags, params, result, exception, argError));
}
HRESULT AccessibleProxy::get_accParent(IDispatch** parent) { DISCFRONT_DELEGATE(get_accParent(parent)); }
HRESULT AccessibleProxy::get_accChildCount(LONG* count) { DISCFRONT_DELEGATE(get_accChildCount(count)); }
HRESULT AccessibleProxy::get_accChild(VARIANT child, IDispatch** out) { DISCFRONT_DELEGATE(get_accChild(child, out)); }
HRESULT AccessibleProxy::get_accName(VARIANT child, BSTR* name) { DISCFRONT_DELEGATE(get_accName(child, name)); }
HRESULT AccessibleProxy::get_accValue(VARIANT child, BSTR* value) { DISCFRONT_DELEGATE(get_accValue(child, value)); }
HRESULT AccessibleProxy::get_accDescription(VARIANT child, BSTR* description) {
  DISCFRONT_DELEGATE(get_accDescription(child, description));
}
HRESULT AccessibleProxy::get_accRole(VARIANT child, VARIANT* role) { DISCFRONT_DELEGATE(get_accRole(child, role)); }
HRESULT AccessibleProxy::get_accState(VARIANT child, VARIANT* state) { DISCFRONT_DELEGATE(get_accState(child, state)); }
HRESULT AccessibleProxy::get_accHelp(VARIANT child, BSTR* help) { DISCFRONT_DELEGATE(get_accHelp(child, help)); }
HRESULT AccessibleProxy::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
  DISCFRONT_DELEGATE(get_accHelpTopic(file, child, topic));
}
HRESULT AccessibleProxy::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  DISCFRONT_DELEGATE(get_accKeyboardShortcut(child, shortcut));
}
HRESULT AccessibleProxy::get_accFocus(VARIANT* focus) { DISCFRONT_DELEGATE(get_accFocus(focus)); }
HRESULT AccessibleProxy::get_accSelection(VARIANT* selection) { DISCFRONT_DELEGATE(get_accSelection(selection)); }
HRESULT AccessibleProxy::get_accDefaultAction(VARIANT child, BSTR* action) {
  DISCFRONT_DELEGATE(get_accDefaultAction(child, action));
}
HRESULT AccessibleProxy::accSelect(LONG flags, VARIANT child) { DISCFRONT_DELEGATE(accSelect(flags, child)); }
HRESULT AccessibleProxy::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
  DISCFRONT_DELEGATE(accLocation(left, top, width, height, child));
}
HRESULT AccessibleProxy::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  DISCFRONT_DELEGATE(accNavigate(direction, start, end));
}
HRESULT AccessibleProxy::accHitTest(LONG x, LONG y, VARIANT* child) { DISCFRONT_DELEGATE(accHitTest(x, y, child)); }
HRESULT AccessibleProxy::accDoDefaultAction(VARIANT child) { DISCFRONT_DELEGATE(accDoDefaultAction(child)); }
HRESULT AccessibleProxy::put_accName(VARIANT child, BSTR name) { DISCFRONT_DELEGATE(put_accName(child, name)); }
HRESULT AccessibleProxy::put_accValue(VARIANT child, BSTR value) { DISCFRONT_DELEGATE(put_accValue(child, value)); }

#undef DISCFRONT_DELEGATE

// Calls `call` on the standard object's interface `iid`; E_NOINTERFACE when it has none.
#define DISCFRONT_FORWARD(Interface, iid, call)              \
  Interface* inner = Standard<Interface>(iid);              \
  if (inner == nullptr) return E_NOINTERFACE;               \
  const HRESULT result = inner->call;                       \
  inner->Release();                                         \
  return result

HRESULT AccessibleProxy::Next(ULONG count, VARIANT* items, ULONG* fetched) {
  DISCFRONT_FORWARD(IEnumVARIANT, kIidEnumVariant, Next(count, items, fetched));
}
HRESULT AccessibleProxy::Skip(ULONG count) { DISCFRONT_FORWARD(IEnumVARIANT, kIidEnumVariant, Skip(count)); }
HRESULT AccessibleProxy::Reset() { DISCFRONT_FORWARD(IEnumVARIANT, kIidEnumVariant, Reset()); }
HRESULT AccessibleProxy::Clone(IEnumVARIANT** out) { DISCFRONT_FORWARD(IEnumVARIANT, kIidEnumVariant, Clone(out)); }
HRESULT AccessibleProxy::GetWindow(HWND* window) { DISCFRONT_FORWARD(IOleWindow, kIidOleWindow, GetWindow(window)); }
HRESULT AccessibleProxy::ContextSensitiveHelp(BOOL enter) {
  DISCFRONT_FORWARD(IOleWindow, kIidOleWindow, ContextSensitiveHelp(enter));
}

HRESULT AccessibleProxy::GetIdentityString(DWORD child, BYTE** identity, DWORD* length) {
  DISCFRONT_FORWARD(IAccIdentity, kIidAccIdentity, GetIdentityString(child, identity, length));
}

HRESULT AccessibleProxy::QueryService(REFGUID service, REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  IServiceProvider* inner = Standard<IServiceProvider>(kIidServiceProvider);
  if (inner == nullptr) return E_NOINTERFACE;
  HRESULT result = inner->QueryService(service, iid, out);
  inner->Release();
  // The standard object itself as a service (the one that tells a client "this is the
  // system's own object") would lead back to it, and this object is not it.
  IUnknown* standardIdentity = Standard<IUnknown>(IID_IUnknown);
  IUnknown* answerIdentity = nullptr;
  if (SUCCEEDED(result) && *out != nullptr &&
      SUCCEEDED(static_cast<IUnknown*>(*out)->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&answerIdentity)))) {
    if (answerIdentity == standardIdentity) {
      static_cast<IUnknown*>(*out)->Release();
      *out = nullptr;
      result = E_NOINTERFACE;
    }
    answerIdentity->Release();
  }
  if (standardIdentity != nullptr) standardIdentity->Release();
  return result;
}

#undef DISCFRONT_FORWARD

IAccessible* StandardAccessible(HWND hwnd, LONG objectId) {
  void* standard = nullptr;
  if (FAILED(CreateStdAccessibleObject(hwnd, objectId, kIidAccessible, &standard))) return nullptr;
  return static_cast<IAccessible*>(standard);
}

LRESULT AnswerGetObject(IAccessible* object, WPARAM wParam) {
  if (object == nullptr) return 0;
  const LRESULT answer = LresultFromObject(kIidAccessible, wParam, object);
  object->Release();  // the client holds its own reference now
  return answer < 0 ? 0 : answer;
}

}  // namespace win32
