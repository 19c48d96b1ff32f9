// Where discpack reads a folder from and writes its image to: through the system's
// own file calls on Windows, as the editor does, and the standard library's elsewhere.
#pragma once

#include <filesystem>
#include <memory>

#include "disc/folder_source.h"
#include "disc/image_writer.h"

namespace discfront::discpack {

std::unique_ptr<FolderSource> FolderSourceOf(const std::filesystem::path& folder);
std::unique_ptr<ImageFile> ImageFileOf(const std::filesystem::path& image);
// Whether the image would lie inside the folder it is made of (Windows: in any case).
bool ImageInsideFolder(const std::filesystem::path& image, const std::filesystem::path& folder);

}  // namespace discfront::discpack
