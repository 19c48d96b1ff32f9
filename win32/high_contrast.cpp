#include "win32/high_contrast.h"

#include <windows.h>

namespace win32 {

bool HighContrastOn() {
  HIGHCONTRASTW settings{};
  settings.cbSize = sizeof settings;
  if (!SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof settings, &settings, 0)) return false;
  return (settings.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace win32
