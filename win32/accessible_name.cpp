// A window named for accessibility clients: its WM_GETOBJECT (through a subclass, for
// controls of the system's classes) is answered with an object that reads the name and
// asks the standard object for the rest.
#include "win32/accessible_name.h"

#include <commctrl.h>

#include <new>

#include "win32/accessible_proxy.h"
#include "win32/system_boundary.h"

namespace win32 {
namespace {

constexpr UINT_PTR kSubclassId = 0x4143;  // "AC"

class NamedAccessible final : public AccessibleProxy {
 public:
  NamedAccessible(HWND hwnd, IAccessible* standard, std::wstring name, long role, std::wstring action)
      : AccessibleProxy(hwnd, standard), name_(std::move(name)), role_(role), action_(std::move(action)) {}

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child)) return AccessibleProxy::get_accName(child, name);
    return Answer(name_, name);
  }

  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!IsSelf(child) || role_ == 0) return AccessibleProxy::get_accRole(child, role);
    if (role == nullptr) return E_POINTER;
    role->vt = VT_I4;
    role->lVal = role_;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (!IsSelf(child) || action_.empty()) return AccessibleProxy::get_accDefaultAction(child, action);
    return Answer(action_, action);
  }

  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (!IsSelf(child) || action_.empty()) return AccessibleProxy::accDoDefaultAction(child);
    if (!IsWindowEnabled(hwnd())) return E_FAIL;
    // Posted, so that the client has its answer before the click's work (a dialog, say) runs.
    return PostMessageW(hwnd(), BM_CLICK, 0, 0) ? S_OK : E_FAIL;
  }

 private:
  // Copies: the client may keep the object longer than the window lives.
  std::wstring name_;
  long role_;           // 0 for the standard object's (the window object's always is)
  std::wstring action_;  // a button's default action, or empty for the standard object's
};

struct Naming {
  std::wstring name;
  long role;
  std::wstring action;
};

// The object that answers for the window with the name (and a role and action for its client object).
LRESULT AnswerNamed(HWND hwnd, WPARAM wParam, LPARAM lParam, const Naming& naming) {
  const auto objectId = static_cast<LONG>(lParam);
  const bool topLevel = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) == 0;
  if (naming.name.empty() || (objectId != OBJID_CLIENT && !(topLevel && objectId == OBJID_WINDOW))) return 0;
  IAccessible* standard = StandardAccessible(hwnd, objectId);
  if (standard == nullptr) return 0;
  const bool client = objectId == OBJID_CLIENT;
  auto* named = new (std::nothrow)
      NamedAccessible(hwnd, standard, naming.name, client ? naming.role : 0, client ? naming.action : std::wstring());
  if (named == nullptr) {
    standard->Release();
    return 0;
  }
  return AnswerGetObject(named, wParam);
}

// The name lives in a window property: the subclass finds it there, and a second call finds it to change it.
constexpr wchar_t kNameProperty[] = L"KorvelDiscfront.AccessibleName";

Naming* NamingOf(HWND hwnd) { return static_cast<Naming*>(GetPropW(hwnd, kNameProperty)); }

LRESULT CALLBACK NamedProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  return GuardWindowProcedure(hwnd, [&] {
    switch (msg) {
      case WM_GETOBJECT:
        if (const Naming* naming = NamingOf(hwnd)) {
          if (LRESULT answer = AnswerNamed(hwnd, wParam, lParam, *naming)) return answer;
        }
        break;
      case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, &NamedProc, kSubclassId);
        delete static_cast<Naming*>(RemovePropW(hwnd, kNameProperty));
        break;
      default:
        break;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
  });
}

}  // namespace

LRESULT AnswerWithName(HWND window, WPARAM wParam, LPARAM lParam, const std::wstring& name, long role) {
  return AnswerNamed(window, wParam, lParam, Naming{name, role, {}});
}

bool SetAccessibleName(HWND window, std::wstring name, long role, std::wstring buttonAction) {
  if (!IsWindow(window)) return false;
  if (Naming* current = NamingOf(window)) {
    current->role = role;
    current->action = std::move(buttonAction);
    if (current->name == name) return true;
    current->name = std::move(name);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
    return true;
  }
  auto* owned = new Naming{std::move(name), role, std::move(buttonAction)};
  if (!SetPropW(window, kNameProperty, owned)) {
    delete owned;
    return false;
  }
  if (!SetWindowSubclass(window, &NamedProc, kSubclassId, 0)) {
    delete static_cast<Naming*>(RemovePropW(window, kNameProperty));
    return false;
  }
  return true;
}

}  // namespace win32
