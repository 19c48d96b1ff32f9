// discpack's folder and image outside Windows (image_files.h).
#include "discpack/image_files.h"

#include "disc/filesystem_image_file.h"
#include "disc/filesystem_source.h"

namespace discfront::discpack {

std::unique_ptr<FolderSource> FolderSourceOf(const std::filesystem::path& folder) {
  return std::make_unique<FilesystemSource>(folder);
}

std::unique_ptr<ImageFile> ImageFileOf(const std::filesystem::path& image) {
  return std::make_unique<FilesystemImageFile>(image);
}

bool ImageInsideFolder(const std::filesystem::path& image, const std::filesystem::path& folder) {
  return InsideFolder(image, folder);
}

}  // namespace discfront::discpack
