// The disc check's questions without Windows (posix_disc_probes.h).
#include "discpack/posix_disc_probes.h"

#include <algorithm>

#include "disc/filesystem_drop_files.h"

namespace discfront::discpack {
namespace {

std::wstring Slashed(std::wstring path) {
  std::replace(path.begin(), path.end(), L'\\', L'/');
  return path;
}

}  // namespace

PathKind PosixDiscProbes::Probe(const std::wstring& path) const { return FilesystemDropFiles().Probe(Slashed(path)); }

editor::PictureRead PosixDiscProbes::Read(const std::wstring& path) const {
  return IsFile(path) ? editor::PictureRead::kNotChecked : editor::PictureRead::kMissing;
}

std::optional<ProgramImage> PosixDiscProbes::ReadProgram(const std::wstring& path) const {
  const std::unique_ptr<ByteSource> bytes = FilesystemDropFiles().Open(Slashed(path));
  if (!bytes) return std::nullopt;
  return ReadProgramImage(*bytes);
}

}  // namespace discfront::discpack
