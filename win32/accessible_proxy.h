// An accessible object that answers what its window knows better than the system
// (name, role, state, ...) and hands every other question to the system's standard
// object for the same window. The other interfaces a client asks of it (the list of
// children, services, the window, its identity) are its own too, forwarding to the standard object's:
// COM's identity rule wants every interface of an object to lead back to that object,
// so a client that goes through one of them and back still reads this object's answers.
#pragma once

#include <windows.h>

#include <oaidl.h>
#include <oleacc.h>
#include <oleidl.h>
#include <servprov.h>

#include <string_view>

namespace win32 {

// mingw-w64's import library resolves IID_IAccessible to the wrong bytes; this is its value.
inline constexpr IID kIidAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
inline constexpr IID kIidEnumVariant = {0x00020404, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID kIidServiceProvider = {0x6D5140C1, 0x7436, 0x11CE,
                                           {0x80, 0x34, 0x00, 0xAA, 0x00, 0x60, 0x09, 0xFA}};
inline constexpr IID kIidOleWindow = {0x00000114, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID kIidAccIdentity = {0x7852B78D, 0x1CFD, 0x41C1, {0xA6, 0x15, 0x9C, 0x0C, 0x85, 0x96, 0x0B, 0x5F}};

// COM interfaces have no virtual destructor: objects are deleted through Release only.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class AccessibleProxy : public IAccessible, public IEnumVARIANT, public IServiceProvider, public IOleWindow,
                        public IAccIdentity {
 public:
  AccessibleProxy(const AccessibleProxy&) = delete;
  AccessibleProxy& operator=(const AccessibleProxy&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: the standard object's.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* exception, UINT* argError) override;
  // IAccessible: the standard object's unless a derived class says otherwise.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;
  // IEnumVARIANT, IServiceProvider, IOleWindow, IAccIdentity: the standard object's,
  // offered only when it offers them.
  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** out) override;
  HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override;
  HRESULT STDMETHODCALLTYPE GetIdentityString(DWORD child, BYTE** identity, DWORD* length) override;

 protected:
  // Takes over the reference to `standard` (the system's object for the same window and object id).
  AccessibleProxy(HWND hwnd, IAccessible* standard) : hwnd_(hwnd), standard_(standard) {}
  virtual ~AccessibleProxy();

  HWND hwnd() const { return hwnd_; }
  // The object itself rather than one of its children.
  static bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
  // A string answer: S_FALSE with no string when empty, as clients expect.
  static HRESULT Answer(std::wstring_view text, BSTR* out);

 private:
  // The standard object's interface `iid` (one reference), or null.
  template <typename Interface>
  Interface* Standard(REFIID iid) const {
    void* inner = nullptr;
    return standard_ != nullptr && SUCCEEDED(standard_->QueryInterface(iid, &inner)) ? static_cast<Interface*>(inner)
                                                                                     : nullptr;
  }

  LONG refs_ = 1;
  HWND hwnd_;              // not owned
  IAccessible* standard_;  // owned: one reference
};
#pragma GCC diagnostic pop

// The system's standard object for `objectId` of the window (OBJID_CLIENT, OBJID_WINDOW),
// with one reference, or null.
IAccessible* StandardAccessible(HWND hwnd, LONG objectId);

// The answer to WM_GETOBJECT: hands `object` (which may be null) to the client that
// asked and drops the caller's reference.
LRESULT AnswerGetObject(IAccessible* object, WPARAM wParam);

}  // namespace win32
