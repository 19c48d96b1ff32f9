// launcher_startup_ratio_192dpi: the launcher's start-up (process start to window shown)
// on the sample disc with its 2x skins, with the display at 192 dpi against 96 dpi.
// Each start reads the resolution from the session's LogPixels as it starts, so the
// two alternate in rounds within one session, and the ratio is the median of the
// rounds' own ratios; the value the session had is put back at the end.
// region_build_ms_192dpi: building the window's outline from the 2x back.bmp (its
// pixels cut into rectangles and made a region), as the launcher does at 192 dpi.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "bench/median.h"
#include "bench/launcher/settle.h"
#include "bench/launcher/shown_window.h"
#include "launcher/skin_shape.h"
#include "win32/app_folder.h"
#include "win32/picture.h"
#include "win32/region_builder.h"

namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kLauncherWindow[] = L"Korvel Discfront BETA";  // its class and title

std::optional<DWORD> ReadLogPixels() {
  DWORD value = 0, size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &value, &size) != 0) {
    return std::nullopt;
  }
  return value;
}

void WriteLogPixels(std::optional<DWORD> value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != 0) {
    return;
  }
  if (value) {
    RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*value), sizeof *value);
  } else {
    RegDeleteValueW(key, L"LogPixels");
  }
  RegCloseKey(key);
}

using discfront::bench::Median;

double RegionBuildMs(const std::wstring& backFile) {
  const discfront::ScaledSkin back = discfront::LoadScaledSkin(backFile, 200, 192);
  std::vector<double> ms;
  for (int i = 0; i < 21; ++i) {
    const double start = discfront::bench::NowMs();
    // The 2x set at 192 dpi is of that very scale: its pixels are read where they are.
    const std::optional<win32::Outline> outline =
        win32::OutlineOfBitmap(win32::BitmapOf(*back.picture), discfront::kSkinKey);
    if (!outline) return -1;
    const win32::UniqueRegion region = win32::RegionOfOutline(*outline);
    if (!region) return -1;
    ms.push_back(discfront::bench::NowMs() - start);
  }
  return Median(ms);
}

}  // namespace

int main() {
  const std::wstring folder = win32::ApplicationFolder() + L"\\startup_disc";
  const std::optional<DWORD> original = ReadLogPixels();
  std::vector<double> ratios, at96, at192;
  discfront::bench::TimeToShownWindow(folder + L"\\discfront.exe", kLauncherWindow, kLauncherWindow);  // warms the file cache and Wine's start-up
  for (int round = 0; round < 15; ++round) {
    double ms[2] = {};
    for (int i = 0; i < 2; ++i) {
      const bool high = (i == 0) == (round % 2 == 0);  // each goes first every other round
      WriteLogPixels(high ? 192 : 96);
      discfront::bench::WaitForIdleProcessors(500);
      ms[high ? 1 : 0] = discfront::bench::TimeToShownWindow(folder + L"\\discfront.exe", kLauncherWindow, kLauncherWindow);
    }
    if (ms[0] <= 0 || ms[1] <= 0) continue;
    at96.push_back(ms[0]);
    at192.push_back(ms[1]);
    ratios.push_back(ms[1] / ms[0]);
  }
  WriteLogPixels(original);
  if (ratios.empty()) {
    std::printf("figure: launcher_startup_ratio_192dpi = 0 (failed)\n");
    return 1;
  }
  std::printf("figure: launcher_startup_ms_96dpi = %.1f ms\n", Median(at96));
  std::printf("figure: launcher_startup_ms_192dpi = %.1f ms\n", Median(at192));
  std::printf("figure: launcher_startup_ratio_192dpi = %.3f ratio\n", Median(ratios));
  try {
    std::printf("figure: region_build_ms_192dpi = %.2f ms\n", RegionBuildMs(folder + L"\\skin\\200\\back.bmp"));
  } catch (...) {
    std::printf("figure: region_build_ms_192dpi = 0 (failed)\n");
    return 1;
  }
  return 0;
}
