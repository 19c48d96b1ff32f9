// The launcher's list of entries draws its own items, so that an entry whose program
// asks for administrator rights shows the system's shield beside its title, as Windows
// marks such programs. The titles stay where the system's list puts them (one pixel in,
// on the system's colours) when no entry has the shield; when one has, every title
// moves right by the shield's width so that they stay in line.
#pragma once

#include <windows.h>

#include <vector>

namespace discfront {

class EntryList {
 public:
  // The list's item height, from the font it shows (the height the system's list takes).
  static void Measure(MEASUREITEMSTRUCT& item, HFONT font);
  // One flag per list item; the shield is loaded only when an item needs it.
  void SetShields(std::vector<bool> shields, int itemHeight);
  // The shield follows the line's height when the resolution, and with it the font, changes.
  void SetItemHeight(int itemHeight);
  void Draw(const DRAWITEMSTRUCT& item) const;

 private:
  std::vector<bool> shields_;
  HICON shield_ = nullptr;  // shared: not destroyed
  int shieldSize_ = 0;
};

}  // namespace discfront
