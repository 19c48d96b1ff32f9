// One entry of a catalogue: the four text fields of a record, in file order.
#pragma once

#include <string>

#include "catalogue/splitter.h"

namespace discfront {

struct CatalogueEntry {
  std::wstring path;     // the program, relative to the disc folder, beginning with a backslash
  std::wstring title;    // the line shown in the launcher's list
  std::wstring comment;  // shown while the entry is selected
  std::wstring picture;  // a picture file relative to the disc folder, or "none"

  bool operator==(const CatalogueEntry&) const = default;
};

// The field of an entry that a Field names.
inline std::wstring& FieldText(CatalogueEntry& entry, Field field) {
  switch (field) {
    case Field::kPath: return entry.path;
    case Field::kTitle: return entry.title;
    case Field::kComment: return entry.comment;
    case Field::kPicture: break;
  }
  return entry.picture;
}
inline const std::wstring& FieldText(const CatalogueEntry& entry, Field field) {
  return FieldText(const_cast<CatalogueEntry&>(entry), field);
}

}  // namespace discfront
