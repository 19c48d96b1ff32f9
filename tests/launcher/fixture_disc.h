// A disc folder made for one test: the launcher, the sample skins, and the data files
// the test writes (in Windows-1251). Removed again when the test ends.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

namespace discfront::testing {

class FixtureDisc {
 public:
  // Creates `folderName` under the test program's folder; the folder is emptied first.
  explicit FixtureDisc(const std::wstring& folderName);
  // Makes the disc in an existing folder (a drive root, say) without owning the folder.
  static FixtureDisc InFolder(const std::filesystem::path& folder);
  FixtureDisc(const FixtureDisc&) = delete;
  FixtureDisc& operator=(const FixtureDisc&) = delete;
  ~FixtureDisc();

  // Writes a text file of the disc, encoded as Windows-1251, exactly as given.
  void WriteText(const std::wstring& name, const std::wstring& text) const;
  void Remove(const std::wstring& name) const;
  // Copies a file of the assembled sample disc (say L"programs\\hello.exe") to `name`,
  // making its folders.
  void CopyFromSampleDisc(const std::wstring& sampleName, const std::wstring& name) const;

  const std::filesystem::path& Folder() const { return folder_; }
  std::wstring Launcher() const { return (folder_ / L"discfront.exe").wstring(); }

 private:
  FixtureDisc(std::filesystem::path folder, bool owned);
  void Fill() const;

  std::filesystem::path folder_;
  bool owned_ = true;
};

}  // namespace discfront::testing
