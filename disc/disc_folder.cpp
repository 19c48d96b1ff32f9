#include "disc/disc_folder.h"

#include "base/decimal_text.h"

namespace discfront {

std::wstring DiscFolder::File(std::wstring_view nameWithBackslash) const {
  std::wstring name = folder_;
  name += nameWithBackslash;
  return name;
}

std::wstring DiscFolder::SkinFile(Skin skin, int percent) const {
  const std::wstring folder = percent == 100 ? L"\\skin\\" : L"\\skin\\" + DecimalText(percent) + L"\\";
  switch (skin) {
    case Skin::kButton: return File(folder + L"button.bmp");
    case Skin::kButtonMove: return File(folder + L"buttonmove.bmp");
    case Skin::kButtonDown: return File(folder + L"buttondown.bmp");
    case Skin::kBack: return File(folder + L"back.bmp");
  }
  return {};
}

std::optional<std::wstring> DiscFolder::PictureFile(const CatalogueEntry& entry) const {
  if (entry.picture == kNoPicture) return std::nullopt;
  return File(entry.picture);
}

}  // namespace discfront
