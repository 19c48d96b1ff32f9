// Dropping 200 programs at once on frontsmith under Wine, dragged by the UI driver as
// the shell drags them: the time from the drop until the 200 new rows show, which
// covers reading each program's version resource for its title. Five drops in a row
// fill the catalogue's 1001 slots.
//   editor_drop_200_ms - median milliseconds of the five drops
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "bench/median.h"
#include "uidriver/uidriver.h"
#include "win32/atomic_file.h"

namespace {

using namespace uidriver;
using Clock = std::chrono::steady_clock;

constexpr int kZap = 112;      // the record-number list
constexpr int kEntries = 113;  // the entries list, where the editor has it
constexpr int kMenuOpen = 202;
constexpr int kPrograms = 200;
constexpr int kRounds = 5;

// The rows the editor shows: the entries list's, or the record-number list's.
int ShownRows(HWND main) {
  if (HWND list = GetDlgItem(main, kEntries); list != nullptr) return static_cast<int>(Send(list, LVM_GETITEMCOUNT));
  return static_cast<int>(Send(GetDlgItem(main, kZap), CB_GETCOUNT));
}

HWND FileNameEdit(HWND dialog) {
  if (HWND edit = FindChild(dialog, {.id = 0x480}); edit != nullptr) return edit;
  if (HWND combo = FindChild(dialog, {.id = 0x47c}); combo != nullptr) return FindChild(combo, {.className = L"Edit"});
  return nullptr;
}

void Open(const Process& app, HWND main, const std::wstring& file) {
  PostMessageW(main, WM_COMMAND, kMenuOpen, 0);
  HWND dialog = nullptr;
  WaitUntil([&] {
    for (HWND w : FindWindows({.className = L"#32770", .processId = app.Id()})) {
      if (FileNameEdit(w) != nullptr) dialog = w;
    }
    return dialog != nullptr;
  });
  if (dialog == nullptr) throw std::runtime_error("no Open dialog");
  SetText(FileNameEdit(dialog), file);
  PostMessageW(FindChild(dialog, {.className = L"Button", .id = IDOK}), BM_CLICK, 0, 0);
  if (!WaitUntil([&] { return ShownRows(main) == 1; }) || !WaitForWindowGone(dialog)) {
    throw std::runtime_error("the catalogue did not open");
  }
}

using discfront::bench::Median;

}  // namespace

int main() {
  try {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring disc = std::wstring(temp) + L"bench_editor_drop_" + std::to_wstring(GetCurrentProcessId());
    const std::wstring progs = disc + L"\\progs";
    CreateDirectoryW(disc.c_str(), nullptr);
    CreateDirectoryW(progs.c_str(), nullptr);
    if (!win32::ReplaceFileContents(disc + L"\\content.lnc", "&\\setup.exe#Setup$Setup@none\r\n").ok) {
      throw std::runtime_error("cannot write the catalogue");
    }
    // The editor's own program, which has a version resource, stands for each program.
    std::vector<std::wstring> programs;
    for (int i = 0; i < kPrograms; ++i) {
      programs.push_back(progs + L"\\setup" + std::to_wstring(i) + L".exe");
      if (!CopyFileW((OwnFolder() + L"\\frontsmith.exe").c_str(), programs.back().c_str(), FALSE)) {
        throw std::runtime_error("cannot copy the programs");
      }
    }

    Process app = Process::Start(OwnFolder() + L"\\frontsmith.exe");
    HWND main = WaitForWindow({.className = L"FrontsmithMainform", .processId = app.Id()});
    if (main == nullptr) throw std::runtime_error("frontsmith's window did not appear");
    Open(app, main, disc + L"\\content.lnc");

    // Below the rows of the entries list (the window, where the editor has no list).
    HWND list = GetDlgItem(main, kEntries);
    RECT client{};
    GetClientRect(list, &client);
    const RECT window = ScreenRect(main);
    const POINT to = list != nullptr ? ScreenPoint(list, {20, client.bottom - 8}) : CenterOf(main);
    const POINT from{window.left > 60 ? window.left - 30 : window.right + 30, to.y};
    std::vector<double> ms;
    for (int round = 1; round <= kRounds; ++round) {
      const int rows = 1 + round * kPrograms;
      // Watched from a thread of its own, as the drag holds this one until the drop is delivered.
      Clock::time_point released, shown;
      std::thread watch([&] {
        WaitUntil([&] { return ShownRows(main) == rows; }, Milliseconds{60000});
        shown = Clock::now();
      });
      const DWORD effect = DragFiles(programs, from, to, &released);
      watch.join();
      if (effect != DROPEFFECT_COPY) throw std::runtime_error("the drop was not taken");
      if (ShownRows(main) != rows) throw std::runtime_error("the dropped programs did not show");
      ms.push_back(std::chrono::duration<double, std::milli>(shown - released).count());
    }
    app.Kill();  // unsaved on purpose: no question to answer
    for (const std::wstring& program : programs) DeleteFileW(program.c_str());
    DeleteFileW((disc + L"\\content.lnc").c_str());
    RemoveDirectoryW(progs.c_str());
    RemoveDirectoryW(disc.c_str());

    std::printf("editor drop: %d programs, median %.1f ms from the drop until the rows show (%d drops)\n", kPrograms,
                Median(ms), kRounds);
    std::printf("figure: editor_drop_200_ms = %.1f ms\n", Median(ms));
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_editor_drop: %s\n", e.what());
    return 1;
  }
}
