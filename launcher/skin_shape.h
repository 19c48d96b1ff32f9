// The launcher window's shape: its outer rectangle the background skin's size, every
// magenta pixel of the skin cut away.
#pragma once

#include <windows.h>

#include "launcher/scaled_skin.h"

namespace discfront {

// Sizes the window's outer rectangle to the background and cuts the window to its outline.
void ApplySkinShape(HWND window, const ScaledSkin& back);

}  // namespace discfront
