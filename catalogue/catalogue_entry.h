// One entry of a catalogue: the four text fields of a record, in file order.
#pragma once

#include <string>

namespace discfront {

struct CatalogueEntry {
  std::wstring path;     // the program, relative to the disc folder, beginning with a backslash
  std::wstring title;    // the line shown in the launcher's list
  std::wstring comment;  // shown while the entry is selected
  std::wstring picture;  // a picture file relative to the disc folder, or "none"

  bool operator==(const CatalogueEntry&) const = default;
};

}  // namespace discfront
