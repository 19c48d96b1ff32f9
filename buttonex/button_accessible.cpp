// The button's accessible object: it reads the button's model on every question, so it
// holds no state of its own; location, parent and navigation are the standard object's.
// Every answer is guarded: a failure (memory running out) becomes the method's HRESULT.
#include "buttonex/button_accessible.h"

#include <new>

#include "buttonex/accessible_facts.h"
#include "base/texts.h"
#include "win32/win32_texts.h"
#include "buttonex/button_ex.h"
#include "win32/accessible_proxy.h"
#include "win32/system_boundary.h"

namespace discfront::buttonex {
namespace {

class ButtonAccessible final : public win32::AccessibleProxy {
 public:
  ButtonAccessible(HWND button, IAccessible* standard) : AccessibleProxy(button, standard) {}

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return win32::GuardComMethod([&]() -> HRESULT {
      if (!IsSelf(child)) return AccessibleProxy::get_accName(child, name);
      const ButtonEx* button = Button();
      if (button == nullptr) return Gone();
      return Answer(AccessibleName(button->Props().Caption()), name);
    });
  }

  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return win32::GuardComMethod([&]() -> HRESULT {
      if (!IsSelf(child)) return AccessibleProxy::get_accRole(child, role);
      if (role == nullptr) return E_POINTER;
      role->vt = VT_I4;
      role->lVal = ROLE_SYSTEM_PUSHBUTTON;
      return S_OK;
    });
  }

  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return win32::GuardComMethod([&]() -> HRESULT {
      if (!IsSelf(child)) return AccessibleProxy::get_accState(child, state);
      if (state == nullptr) return E_POINTER;
      const ButtonEx* button = Button();
      if (button == nullptr) return Gone();
      const WindowFacts facts{GetFocus() == hwnd(), IsWindowVisible(hwnd()) != FALSE, button->IsDefault()};
      state->vt = VT_I4;
      state->lVal = static_cast<LONG>(AccessibleStateOf(button->Props(), facts));
      return S_OK;
    });
  }

  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return win32::GuardComMethod([&]() -> HRESULT {
      if (!IsSelf(child)) return AccessibleProxy::get_accKeyboardShortcut(child, shortcut);
      const ButtonEx* button = Button();
      if (button == nullptr) return Gone();
      return Answer(KeyboardShortcut(button->Props().AccessKey()), shortcut);
    });
  }

  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return win32::GuardComMethod([&]() -> HRESULT {
      if (!IsSelf(child)) return AccessibleProxy::get_accDefaultAction(child, action);
      return Answer(discfront::Text(win32::kTextPressAction), action);
    });
  }

  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return win32::GuardComMethod([&]() -> HRESULT {
      if (!IsSelf(child)) return E_INVALIDARG;
      const ButtonEx* button = Button();
      if (button == nullptr) return Gone();
      if (!button->Props().Enabled()) return E_FAIL;
      // Posted: the client gets its answer at once, and the click (which may open a
      // modal window or end the program) runs from the message loop like a user's.
      return PostMessageW(hwnd(), BM_CLICK, 0, 0) ? S_OK : E_FAIL;
    });
  }

 private:
  const ButtonEx* Button() const { return ButtonEx::FromWindow(hwnd()); }
  static HRESULT Gone() { return CO_E_OBJNOTCONNECTED; }
};

}  // namespace

LRESULT AnswerButtonAccessible(HWND button, WPARAM wParam) {
  IAccessible* standard = win32::StandardAccessible(button, OBJID_CLIENT);
  if (standard == nullptr) return 0;
  auto* object = new (std::nothrow) ButtonAccessible(button, standard);
  if (object == nullptr) {
    standard->Release();
    return 0;
  }
  return win32::AnswerGetObject(object, wParam);
}

}  // namespace discfront::buttonex
