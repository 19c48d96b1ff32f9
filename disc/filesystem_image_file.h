// The image's file written through the standard library, as the Linux programs and
// tests write it; the Windows programs use win32/system_image_file.h.
#pragma once

#include <filesystem>
#include <fstream>

#include "disc/image_writer.h"

namespace discfront {

class FilesystemImageFile final : public ImageFile {
 public:
  explicit FilesystemImageFile(std::filesystem::path target) : target_(std::move(target)) {}
  std::error_code Create() override;
  std::error_code Write(const char* bytes, std::size_t size) override;
  std::error_code Close() override;
  std::error_code Rename() override;
  void Remove() override;

 private:
  std::filesystem::path target_;
  std::filesystem::path temporary_;  // IMAGE.partialN beside the target
  std::ofstream stream_;
};

// Whether target would lie inside folder (an image of a folder must not be written
// into the folder: it would take itself in the next time).
bool InsideFolder(const std::filesystem::path& target, const std::filesystem::path& folder);

}  // namespace discfront
