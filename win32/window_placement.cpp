#include "window_placement.h"

#include <algorithm>
#include <cstdint>

#include "display_dpi.h"

namespace win32 {
namespace {

constexpr wchar_t kValueName[] = L"Window";

// As kept: version 1.
struct KeptPlacement {
  std::int32_t version, left, top, right, bottom, dpi, maximized;
};

}  // namespace

void SaveWindowPlacement(HWND window, const wchar_t* subkey) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (!GetWindowPlacement(window, &placement)) return;
  const RECT& r = placement.rcNormalPosition;
  const KeptPlacement kept{1, r.left, r.top, r.right, r.bottom, WindowDpi(window), placement.showCmd == SW_SHOWMAXIMIZED};
  RegSetKeyValueW(HKEY_CURRENT_USER, subkey, kValueName, REG_BINARY, &kept, sizeof(kept));
}

bool RestoreWindowPlacement(HWND window, const wchar_t* subkey, SIZE minimum, int showCommand) {
  KeptPlacement kept{};
  DWORD size = sizeof(kept);
  if (RegGetValueW(HKEY_CURRENT_USER, subkey, kValueName, RRF_RT_REG_BINARY, nullptr, &kept, &size) != ERROR_SUCCESS ||
      size != sizeof(kept) || kept.version != 1 || kept.dpi <= 0 || kept.right <= kept.left || kept.bottom <= kept.top) {
    return false;
  }
  const int dpi = WindowDpi(window);
  const int width = std::max<int>(MulDiv(kept.right - kept.left, dpi, kept.dpi), minimum.cx);
  const int height = std::max<int>(MulDiv(kept.bottom - kept.top, dpi, kept.dpi), minimum.cy);
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (!GetWindowPlacement(window, &placement)) return false;
  RECT wanted{kept.left, kept.top, kept.left + width, kept.top + height};
  // A monitor gone since: the system's place, the kept size.
  if (MonitorFromRect(&wanted, MONITOR_DEFAULTTONULL) == nullptr) {
    OffsetRect(&wanted, placement.rcNormalPosition.left - wanted.left, placement.rcNormalPosition.top - wanted.top);
  }
  placement.rcNormalPosition = wanted;
  placement.showCmd = kept.maximized != 0 && showCommand != SW_SHOWMINNOACTIVE && showCommand != SW_MINIMIZE &&
                              showCommand != SW_SHOWMINIMIZED
                          ? SW_SHOWMAXIMIZED
                          : static_cast<UINT>(showCommand);
  placement.flags = 0;
  return SetWindowPlacement(window, &placement) != FALSE;
}

}  // namespace win32
