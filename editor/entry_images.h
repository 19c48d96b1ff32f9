// The entries list's image list: the status column's icons at fixed places (the
// system's error and warning icons, its shield and its information icon) and, after
// them, each row's icon from the worker's last result. All at the small icon size of
// the list's resolution; made again when that changes.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "entry_status.h"
#include "entry_status_worker.h"

namespace discfront::editor {

class EntryImages {
 public:
  EntryImages() = default;
  ~EntryImages();
  EntryImages(const EntryImages&) = delete;
  EntryImages& operator=(const EntryImages&) = delete;

  // A new list for `dpi` with the status icons, and the rows' icons of `result` if any
  // (icons made for another resolution are drawn at this one's size). The old list is
  // destroyed: give the list view the new one before it paints again.
  bool Rebuild(int dpi, const EntryStatusResult* result = nullptr);
  // Adds the rows' icons of a new result, in place of those of the one before.
  void SetRows(const EntryStatusResult& result);

  HIMAGELIST List() const { return list_; }  // owned; LVSIL_SMALL with LVS_SHAREIMAGELISTS
  int Size() const { return size_; }
  // The image of a status icon, of a row's icon; -1 (I_IMAGENONE) for none.
  int ImageOf(StatusIcon icon) const;
  int ImageOfRow(int row) const;

 private:
  void AddStatusIcons();

  HIMAGELIST list_ = nullptr;
  int size_ = 16;
  std::vector<int> rows_;  // by row: the image, or -1
};

}  // namespace discfront::editor
