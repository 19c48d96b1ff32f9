// Building and removing fixture discs.
#include "tests/launcher/fixture_disc.h"

#include <fstream>
#include <stdexcept>
#include <utility>

#include "base/cp1251.h"
#include "uidriver/process.h"

namespace discfront::testing {
namespace fs = std::filesystem;
namespace {

// The build tree: this test runs in build/windows/tests/launcher.
fs::path BuildTree() { return fs::path(uidriver::FolderOf(uidriver::FolderOf(uidriver::OwnFolder()))); }

}  // namespace

FixtureDisc::FixtureDisc(const std::wstring& folderName)
    : FixtureDisc(fs::path(uidriver::OwnFolder()) / folderName, true) {}

FixtureDisc FixtureDisc::InFolder(const fs::path& folder) { return FixtureDisc(folder, false); }

FixtureDisc::FixtureDisc(fs::path folder, bool owned) : folder_(std::move(folder)), owned_(owned) {
  if (owned_) {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  Fill();
}

void FixtureDisc::Fill() const {
  fs::copy_file(BuildTree() / L"launcher" / L"discfront.exe", folder_ / L"discfront.exe",
                fs::copy_options::overwrite_existing);
  fs::copy(BuildTree() / L"disc" / L"skin", folder_ / L"skin",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

FixtureDisc::~FixtureDisc() {
  std::error_code ignored;
  if (owned_) {
    fs::remove_all(folder_, ignored);
  } else {
    for (const auto& entry : fs::directory_iterator(folder_, ignored)) fs::remove_all(entry.path(), ignored);
  }
}

void FixtureDisc::WriteText(const std::wstring& name, const std::wstring& text) const {
  std::string bytes;
  if (EncodeCp1251(text, bytes) != std::wstring_view::npos) {
    throw std::invalid_argument("fixture text has a character outside Windows-1251");
  }
  std::ofstream out(folder_ / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void FixtureDisc::Remove(const std::wstring& name) const { fs::remove(folder_ / name); }

void FixtureDisc::CopyFromSampleDisc(const std::wstring& sampleName, const std::wstring& name) const {
  const fs::path target = folder_ / name;
  fs::create_directories(target.parent_path());
  fs::copy_file(BuildTree() / L"disc" / sampleName, target, fs::copy_options::overwrite_existing);
}

}  // namespace discfront::testing
