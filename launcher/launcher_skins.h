// The launcher's four skins, read from one set and then scaled together for one
// resolution: the resolution the window shows them at is the monitor's unless a skin
// would pass the picture caps there, and nothing is shown until all four are ready, so
// that a window never shows skins of two scales.
#pragma once

#include "base/picture_object.h"
#include "disc/disc_folder.h"
#include "launcher/scaled_skin.h"

namespace discfront {

// The skins of a set as read, before they are scaled.
struct SkinFiles {
  int percent = 100;
  PictureRef up, over, down, back;
};

// The skins scaled for the resolution the window shows them at.
struct ShownSkins {
  int dpi = 0;
  int percent = 100;
  PictureRef up, over, down;  // the button's three states
  ScaledSkin back;
};

// A skin file of the set. Throws win32::ReportedError with its number and the file's
// name when it is missing, unreadable or no picture.
PictureRef ReadSkin(const DiscFolder& disc, Skin skin, int percent);

// All four skins of the set, read in the designed order (the first failure throws).
SkinFiles ReadSkinFiles(const DiscFolder& disc, int percent);

// The four scaled for a monitor of `dpi`, at the highest resolution up to it at which
// every one stays within the picture caps (base/display_scale.h, ShownDpi).
ShownSkins ScaleSkins(const SkinFiles& files, int dpi);

}  // namespace discfront
