// Whether the system's high-contrast mode is on: then the programs draw in system
// colours and show no skins.
#pragma once

namespace win32 {

bool HighContrastOn();

}  // namespace win32
