// The font object of the Font property: what is needed to create the font again.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace discfront::buttonex {

struct FontDescription {
  std::wstring name = L"MS Sans Serif";
  double points = 8.25;
  std::int32_t weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  std::int32_t charset = 204;  // Russian

  bool operator==(const FontDescription&) const = default;
};

// Shared like the other objects of the control: setting Font stores the reference.
using FontRef = std::shared_ptr<const FontDescription>;

}  // namespace discfront::buttonex
