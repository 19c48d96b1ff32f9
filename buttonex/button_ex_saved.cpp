// A control made from a saved form, and a control's properties saved. Apart from the
// window code so that a program which never reads saved forms does not link the
// property bag (see button_model_saved.cpp).
#include "buttonex/button_ex.h"

namespace discfront::buttonex {

ButtonEx* ButtonEx::Create(HWND parent, int id, int x, int y, const PropertyBag& saved) {
  ButtonEx* self = CreateWindowOnly(parent, id, x, y);
  if (self == nullptr) return nullptr;
  try {
    self->model_.ReadProperties(saved, AmbientFont(parent));
  } catch (...) {
    DestroyWindow(self->hwnd_);
    throw;
  }
  return self;
}

void ButtonEx::WriteProperties(PropertyBag& bag) const { model_.WriteProperties(bag, AmbientFont(parent_)); }

}  // namespace discfront::buttonex
