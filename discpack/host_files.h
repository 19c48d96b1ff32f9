// The files discpack names, as the system it runs on names them. On Windows through the
// system's own file calls, as the editor's image is made, which keeps the standard
// library's file system and streams out of discpack.exe (it may ship on a disc);
// elsewhere through the standard library.
//
// A path is the command line's UTF-8 text (on Windows made so from the wide command
// line); outside Windows a name's bytes pass through as they are, whatever they are.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "disc/folder_source.h"
#include "disc/image_writer.h"

namespace discfront::discpack {

using HostPath = std::string;

// The separator a shown path is joined with, and those that end a folder's name.
#ifdef _WIN32
inline constexpr wchar_t kShownSeparator = L'\\';
inline constexpr std::wstring_view kSeparators = L"\\/";
#else
inline constexpr wchar_t kShownSeparator = L'/';
inline constexpr std::wstring_view kSeparators = L"/";
#endif

bool IsFolder(const HostPath& path);
// Up to `limit` bytes from the file's start; nothing when it cannot be opened or read.
std::optional<std::string> ReadFileStart(const HostPath& path, std::size_t limit);
// The folder's own name, from its full path; empty at a drive's or the file system's root.
std::wstring FolderNameOf(const HostPath& folder);

std::unique_ptr<FolderSource> FolderSourceOf(const HostPath& folder);
std::unique_ptr<ImageFile> ImageFileOf(const HostPath& image);
// Whether the image would lie inside the folder it is made of (Windows: in any case).
bool ImageInsideFolder(const HostPath& image, const HostPath& folder);

}  // namespace discfront::discpack
