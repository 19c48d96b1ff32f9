#include "disc/disc_folder.h"

namespace discfront {

std::wstring DiscFolder::File(std::wstring_view nameWithBackslash) const {
  std::wstring name = folder_;
  name += nameWithBackslash;
  return name;
}

std::wstring DiscFolder::SkinFile(Skin skin) const {
  switch (skin) {
    case Skin::kButton: return File(L"\\skin\\button.bmp");
    case Skin::kButtonMove: return File(L"\\skin\\buttonmove.bmp");
    case Skin::kButtonDown: return File(L"\\skin\\buttondown.bmp");
    case Skin::kBack: return File(L"\\skin\\back.bmp");
  }
  return {};
}

std::optional<std::wstring> DiscFolder::PictureFile(const CatalogueEntry& entry) const {
  if (entry.picture == kNoPicture) return std::nullopt;
  return File(entry.picture);
}

}  // namespace discfront
