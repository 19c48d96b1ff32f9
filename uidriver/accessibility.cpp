// The accessibility client of the tests, through oleacc like a screen reader.
#include "uidriver/accessibility.h"

#include <oleacc.h>

#include "win32/accessible_proxy.h"

namespace uidriver {
namespace {

// COM for the calling thread while one question is asked.
class ComForCall {
 public:
  ComForCall() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ComForCall(const ComForCall&) = delete;
  ComForCall& operator=(const ComForCall&) = delete;
  ~ComForCall() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }

 private:
  HRESULT result_;
};

IAccessible* ObjectOf(HWND window, long objectId) {
  void* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(objectId), win32::kIidAccessible, &object))) {
    return nullptr;
  }
  return static_cast<IAccessible*>(object);
}

VARIANT Self() {
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

std::wstring Take(BSTR text) {
  if (text == nullptr) return {};
  std::wstring copy(text, SysStringLen(text));
  SysFreeString(text);
  return copy;
}

}  // namespace

AccessibleReading ReadAccessible(HWND window, long objectId) {
  const ComForCall com;
  AccessibleReading reading;
  IAccessible* object = ObjectOf(window, objectId);
  if (object == nullptr) return reading;
  reading.answered = true;
  const VARIANT self = Self();
  VARIANT value;
  VariantInit(&value);
  if (SUCCEEDED(object->get_accRole(self, &value)) && value.vt == VT_I4) reading.role = value.lVal;
  VariantClear(&value);
  if (SUCCEEDED(object->get_accState(self, &value)) && value.vt == VT_I4) reading.state = static_cast<unsigned long>(value.lVal);
  VariantClear(&value);
  BSTR text = nullptr;
  if (SUCCEEDED(object->get_accName(self, &text))) reading.name = Take(text);
  text = nullptr;
  if (SUCCEEDED(object->get_accKeyboardShortcut(self, &text))) reading.shortcut = Take(text);
  text = nullptr;
  if (SUCCEEDED(object->get_accDefaultAction(self, &text))) reading.defaultAction = Take(text);
  object->Release();
  return reading;
}

bool DoDefaultAction(HWND window) {
  const ComForCall com;
  IAccessible* object = ObjectOf(window, OBJID_CLIENT);
  if (object == nullptr) return false;
  const HRESULT result = object->accDoDefaultAction(Self());
  object->Release();
  return result == S_OK;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

}  // namespace uidriver
