// Building and removing fixture discs, and asking after the launcher's icon.
#include "tests/launcher/fixture_disc.h"

#include <fstream>
#include <stdexcept>

#include "base/file_encoding.h"

namespace discfront::testing {
namespace fs = std::filesystem;
namespace {

// The build tree: this test runs in build/windows/tests/launcher.
fs::path BuildTree() { return fs::path(uidriver::FolderOf(uidriver::FolderOf(uidriver::OwnFolder()))); }

std::string Le(std::uint32_t v, int size) {
  std::string s;
  for (int i = 0; i < size; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  return s;
}

}  // namespace

FixtureDisc::FixtureDisc(const std::wstring& folderName) : folder_(fs::path(uidriver::OwnFolder()) / folderName) {
  fs::remove_all(folder_);
  fs::create_directories(folder_);
  fs::copy_file(BuildTree() / L"launcher" / L"discfront.exe", folder_ / L"discfront.exe");
  fs::copy(BuildTree() / L"disc" / L"skin", folder_ / L"skin", fs::copy_options::recursive);
}

FixtureDisc::~FixtureDisc() {
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

void FixtureDisc::WriteText(const std::wstring& name, const std::wstring& text) const {
  std::string bytes;
  if (!EncodeFile(text, bytes)) throw std::invalid_argument("fixture text has a character no file encoding holds");
  std::ofstream out(folder_ / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void FixtureDisc::WriteData(const std::wstring& content) const {
  WriteText(L"info.txt", L"Описание");
  WriteText(L"content.lnc", content);
}

void FixtureDisc::CopyFromSampleDisc(const std::wstring& sampleName, const std::wstring& name) const {
  const fs::path target = folder_ / name;
  fs::create_directories(target.parent_path());
  fs::copy_file(BuildTree() / L"disc" / sampleName, target, fs::copy_options::overwrite_existing);
}

void FixtureDisc::WriteBmp(const std::wstring& name, int width, int height,
                           const std::function<COLORREF(int x, int y)>& colourOf, std::uint64_t fileBytes) const {
  std::string bytes = "BM" + Le(0, 8) + Le(54, 4) + Le(40, 4) + Le(width, 4) + Le(height, 4) + Le(1, 2) + Le(24, 2) +
                      std::string(24, '\0');
  for (int y = height - 1; y >= 0 && colourOf; --y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colourOf(x, y);
      bytes += {static_cast<char>(GetBValue(c)), static_cast<char>(GetGValue(c)), static_cast<char>(GetRValue(c))};
    }
    bytes.resize((bytes.size() - 54 + 3) / 4 * 4 + 54, '\0');
  }
  std::ofstream out(folder_ / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (fileBytes > bytes.size()) {
    out.seekp(static_cast<std::streamoff>(fileBytes - 1));
    out.put('\0');
  }
}

NOTIFYICONDATAW TrayRecord(HWND launcherWindow) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = launcherWindow;
  data.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(launcherWindow));
  data.uFlags = NIF_TIP;
  wcscpy_s(data.szTip, L"Korvel Discfront");
  return data;
}

bool HasTrayIcon(HWND launcherWindow) {
  NOTIFYICONDATAW data = TrayRecord(launcherWindow);
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

}  // namespace discfront::testing
