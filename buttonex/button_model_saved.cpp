// Reading and writing a saved form's properties. Apart from the rest of the model so
// that a program which never reads saved forms does not link the property bag's text
// parser (and through it the C library's number formatting).
#include "buttonex/button_model.h"

#include "buttonex/property_bag.h"

namespace discfront::buttonex {

void ButtonModel::ReadProperties(const PropertyBag& bag, const FontRef& ambientFont) {
  const RedrawBatch batch(*this);
  for (int i = 0; i < kPropCount; ++i) {
    const Prop p = static_cast<Prop>(i);
    Set(p, bag.ReadProperty(NameOf(p), LoadedDefault(p, ambientFont)));
  }
}

void ButtonModel::WriteProperties(PropertyBag& bag, const FontRef& ambientFont) const {
  for (Prop p : WriteOrder()) bag.WriteProperty(NameOf(p), Get(p), LoadedDefault(p, ambientFont));
}

}  // namespace discfront::buttonex
