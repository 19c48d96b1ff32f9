// The disc check's picture question answered by the programs' own picture loader.
#pragma once

#include "disc_check.h"

namespace discfront::editor {

class SystemPictureProbe final : public PictureProbe {
 public:
  PictureRead Read(const std::wstring& path) const override;
  std::optional<std::size_t> OutlineRectangles(const std::wstring& path, int percent, int dpi) const override;
  std::optional<PictureSize> BitmapSize(const std::wstring& path) const override;
};

}  // namespace discfront::editor
