// Texts of the Disc Image command: why a folder cannot become an image, why writing
// it failed, and what was written. Files are named as the disc check names them,
// from the disc folder on.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "disc/image_plan.h"
#include "disc/image_writer.h"

namespace discfront::editor {

// "\folder\file"; the disc folder itself is "\".
std::wstring ShownSourcePath(const SourcePath& path);

// Every refused entry, one a line, with why.
std::wstring ImageRefusalMessage(const std::vector<ImageRefusal>& refusals);
// Empty for an image written or cancelled.
std::wstring ImageFailureMessage(const ImageWriteResult& result, std::wstring_view image);
std::wstring ImageDoneMessage(std::wstring_view image, std::uint64_t bytes, std::chrono::milliseconds took);

}  // namespace discfront::editor
