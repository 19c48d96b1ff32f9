// The disc check's questions answered from the file system where there is no Windows:
// files and programs are read as they are, with "\" taken as the separator; pictures
// that are there are answered "not checked", since only Windows' loader decides them.
#pragma once

#include "disc/file_probe.h"
#include "disc/program_image.h"
#include "editor/disc_check.h"

namespace discfront::discpack {

class PosixDiscProbes final : public FileProbe, public editor::PictureProbe, public ProgramProbe {
 public:
  PathKind Probe(const std::wstring& path) const override;
  editor::PictureRead Read(const std::wstring& path) const override;
  std::optional<std::size_t> OutlineRectangles(const std::wstring&, int, int) const override { return {}; }
  std::optional<editor::PictureSize> BitmapSize(const std::wstring&) const override { return {}; }
  std::optional<ProgramImage> ReadProgram(const std::wstring& path) const override;
};

}  // namespace discfront::discpack
