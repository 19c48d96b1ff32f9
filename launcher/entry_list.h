// The launcher's list of entries draws its own items, so that an entry whose program
// asks for administrator rights shows the system's shield beside its title, as Windows
// marks such programs, and, when the disc asks for it (EntryIcons=yes), each entry's
// icon before everything else on its line. The titles stay where the system's list
// puts them (one pixel in, on the system's colours) when no entry has the shield and
// the disc asks for no icons; otherwise every title moves right by the icons' and the
// shield's columns so that they stay in line, and the lines are as tall as the icons.
#pragma once

#include <windows.h>

#include <vector>

#include "win32/handles.h"

namespace discfront {

class EntryList {
 public:
  // The list's item height, from the font it shows (the height the system's list
  // takes), at least `minimumHeight` (the icons').
  static void Measure(MEASUREITEMSTRUCT& item, HFONT font, int minimumHeight = 0);
  // One flag per list item; the shield is loaded only when an item needs it.
  void SetShields(std::vector<bool> shields, int itemHeight);
  // The shield follows the line's height when the resolution, and with it the font, changes.
  void SetItemHeight(int itemHeight);
  // The icons' column, `size` pixels square, for `count` items whose icons come later
  // (SetIcon); a new size (another resolution) drops the icons of the old one.
  void ShowIconColumn(std::size_t count, int size);
  void SetIcon(std::size_t item, win32::UniqueIcon icon);
  void Draw(const DRAWITEMSTRUCT& item) const;

 private:
  std::vector<bool> shields_;
  HICON shield_ = nullptr;  // shared: not destroyed
  int shieldSize_ = 0;
  std::vector<win32::UniqueIcon> icons_;  // one per item, empty until fetched
  int iconSize_ = 0;                      // 0: no icons' column
};

}  // namespace discfront
