#include "launcher_catalogue.h"

namespace discfront {

SplitResult LoadCatalogue(std::wstring_view catalogueText, LauncherCatalogue& catalogue, const TitleSink& addTitle) {
  return SplitCatalogue(catalogueText, [&](int slot, Field field, std::wstring_view text) {
    const auto k = static_cast<std::size_t>(slot);
    switch (field) {
      case Field::kPath: catalogue.entryPath[k] = text; break;
      case Field::kTitle: addTitle(text); break;
      case Field::kComment: catalogue.entryComment[k] = text; break;
      case Field::kPicture: catalogue.entryPicture[k] = text; break;
    }
  });
}

}  // namespace discfront
