// A disc folder as the launcher sees it: the launcher program, its catalogue, its
// description and its four skin bitmaps, and where an entry's picture lies. File
// names are the folder followed by a fixed name that begins with a backslash, so at
// a drive root ("D:\") they hold a doubled backslash, which the file system accepts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "catalogue/catalogue_entry.h"

namespace discfront {

enum class Skin { kButton, kButtonMove, kButtonDown, kBack };

class DiscFolder {
 public:
  // The folder as the system reports a program's folder: no trailing backslash
  // except at the root of a drive.
  explicit DiscFolder(std::wstring folder) : folder_(std::move(folder)) {}

  const std::wstring& Folder() const { return folder_; }
  std::wstring File(std::wstring_view nameWithBackslash) const;

  std::wstring LauncherFile() const { return File(L"\\discfront.exe"); }
  std::wstring SettingsFile() const { return File(L"\\discfront.ini"); }  // its settings (disc_settings.h)
  std::wstring CatalogueFile() const { return File(L"\\content.lnc"); }
  std::wstring DescriptionFile() const { return File(L"\\info.txt"); }
  // A skin of the 1x set (skin\), or of the set for a scale in percent (skin\200\).
  std::wstring SkinFile(Skin skin, int percent = 100) const;

  // The word that marks an entry without a picture, compared exactly: "None" is a
  // file name like any other.
  static constexpr std::wstring_view kNoPicture = L"none";
  // The picture file of an entry, or nothing when its picture field is "none".
  std::optional<std::wstring> PictureFile(const CatalogueEntry& entry) const;

  static constexpr std::array<Skin, 4> kSkins = {Skin::kButton, Skin::kButtonMove, Skin::kButtonDown, Skin::kBack};
  // The colour cut away from the skins (magenta), as a Windows COLORREF.
  static constexpr std::uint32_t kSkinKey = 0x00FF00FF;

 private:
  std::wstring folder_;
};

}  // namespace discfront
