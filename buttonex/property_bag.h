// The keyed property store of a hosting window's saved form, and its text form.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "buttonex/properties.h"

namespace discfront::buttonex {

class PropertyBag {
 public:
  // The stored value, or defaultValue when the key is absent. A stored colour is
  // read as a number and the other way round; any other mismatch of kinds is an
  // error (number 5) naming the key.
  PropertyValue ReadProperty(std::string_view key, const PropertyValue& defaultValue) const;
  // Stores the value; a value equal to the default is left out.
  void WriteProperty(std::string_view key, const PropertyValue& value,
                     const PropertyValue& defaultValue);

  bool Has(std::string_view key) const;
  const std::vector<std::pair<std::string, PropertyValue>>& Entries() const { return entries_; }

  // The text form: one line "Key = value" per stored key, UTF-8, pictures embedded
  // as their file images (base64) so that the form loads the same images again.
  std::string ToText() const;
  // Reads a text form; throws ButtonExError with the line at fault.
  static PropertyBag FromText(std::string_view text, const PictureDecoder& decode);

 private:
  std::vector<std::pair<std::string, PropertyValue>> entries_;
};

std::string EncodeBase64(std::string_view bytes);
// nullopt for text that is not base64.
std::optional<std::string> DecodeBase64(std::string_view text);

std::string ToUtf8(std::wstring_view text);
std::optional<std::wstring> FromUtf8(std::string_view bytes);

}  // namespace discfront::buttonex
