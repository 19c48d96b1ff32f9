// A disc folder made for one test (the launcher, the sample skins, and the data files
// the test writes, removed again when the test ends), and the launcher started on it.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "uidriver/uidriver.h"

namespace discfront::testing {

constexpr wchar_t kLauncherWindow[] = L"Korvel Discfront BETA";
constexpr COLORREF kMagenta = RGB(255, 0, 255);

class FixtureDisc {
 public:
  // Creates `folderName` under the test program's folder; the folder is emptied first.
  explicit FixtureDisc(const std::wstring& folderName);
  FixtureDisc(const FixtureDisc&) = delete;
  FixtureDisc& operator=(const FixtureDisc&) = delete;
  ~FixtureDisc();

  // Writes a text file of the disc exactly as given, as the editor encodes it: Windows-1251
  // when it holds every character, else UTF-8 after its mark.
  void WriteText(const std::wstring& name, const std::wstring& text) const;
  // A short description and the catalogue `content`.
  void WriteData(const std::wstring& content) const;
  // Copies a file of the assembled sample disc (say L"programs\\hello.exe") to `name`,
  // making its folders.
  void CopyFromSampleDisc(const std::wstring& sampleName, const std::wstring& name) const;
  // Writes a 24-bit BMP file, bottom row first; without colours only its 54 header bytes,
  // whatever size they promise. A larger `fileBytes` extends the file with zeros.
  void WriteBmp(const std::wstring& name, int width, int height, const std::function<COLORREF(int x, int y)>& colourOf,
                std::uint64_t fileBytes = 0) const;

  const std::filesystem::path& Folder() const { return folder_; }
  std::wstring Launcher() const { return (folder_ / L"discfront.exe").wstring(); }

 private:
  std::filesystem::path folder_;
};

// Whether the notification area holds a launcher window's icon (it accepts a change only
// for an icon it holds); Shell_NotifyIconW takes the record to remove it.
NOTIFYICONDATAW TrayRecord(HWND launcherWindow);
bool HasTrayIcon(HWND launcherWindow);

// The launcher started on a disc from another working folder, so that only its
// application folder leads it to its files; its window and list once they are shown.
class Launcher {
 public:
  explicit Launcher(const FixtureDisc& disc)
      : process_(uidriver::Process::Start(disc.Launcher(), {}, uidriver::OwnFolder())) {
    main_ = uidriver::WaitForWindow({.className = kLauncherWindow, .processId = process_.Id()});
    if (main_ == nullptr) return;
    list_ = uidriver::FindChild(main_, {.className = L"ListBox"});
    uidriver::MoveWineTrayAside(main_);
  }
  bool ok() const { return main_ != nullptr && list_ != nullptr; }
  HWND main() const { return main_; }
  HWND list() const { return list_; }
  uidriver::Process& process() { return process_; }
  HWND Button(int id) const { return uidriver::FindChild(main_, {.className = L"KorvelDiscfront.ButtonEx", .id = id}); }
  // The real button under the real mouse.
  void Click(int buttonId) const {
    uidriver::BringToFront(main_);
    uidriver::ClickWindow(Button(buttonId));
  }

 private:
  uidriver::Process process_;
  HWND main_ = nullptr;  // not owned
  HWND list_ = nullptr;  // not owned
};

}  // namespace discfront::testing
