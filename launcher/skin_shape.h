// The main window's shape: the background skin as its background, its size, and its
// outline with every magenta pixel cut away.
#pragma once

#include <windows.h>

#include <string>

#include "base/picture_object.h"
#include "disc/disc_folder.h"

namespace discfront {

inline constexpr COLORREF kSkinKey = DiscFolder::kSkinKey;

// A picture's size in pixels at the screen's resolution.
SIZE PicturePixels(const PictureObject& picture);

// Loads `backFile`, sizes the window's outer rectangle to it and cuts the window to
// its outline; returns the picture, which the window draws as its background. A
// file that is missing, unreadable or no picture throws NumberedError.
PictureRef ApplySkinShape(HWND window, const std::wstring& backFile);

// Cuts the window to the outline of `back` (a bitmap's pixels other than magenta);
// other pictures and unusable outlines leave it rectangular.
void CutToOutline(HWND window, const PictureObject& back);

}  // namespace discfront
