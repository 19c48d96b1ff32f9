// discpack's folder and image on Windows (image_files.h).
#include "discpack/image_files.h"

#include "win32/system_folder_source.h"
#include "win32/system_image_file.h"

namespace discfront::discpack {

std::unique_ptr<FolderSource> FolderSourceOf(const std::filesystem::path& folder) {
  return std::make_unique<win32::SystemFolderSource>(folder.native());
}

std::unique_ptr<ImageFile> ImageFileOf(const std::filesystem::path& image) {
  return std::make_unique<win32::SystemImageFile>(image.native());
}

bool ImageInsideFolder(const std::filesystem::path& image, const std::filesystem::path& folder) {
  return win32::InsideFolder(image.native(), folder.native());
}

}  // namespace discfront::discpack
