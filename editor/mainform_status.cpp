// Mainform's entries list statuses and icons: the disc check's findings and the system's
// icons for each row, found by the worker off the message loop and shown when they come.
// A row keeps its status while it only moves: statuses go with the record's text.
#include <algorithm>
#include <string>

#include "entry_status.h"
#include "mainform.h"
#include "win32/app_folder.h"

namespace discfront::editor {
namespace {

constexpr UINT kQuietMilliseconds = 250;

}  // namespace

std::wstring Mainform::KeyOf(const CatalogueEntry& entry) {
  std::wstring key = entry.path;
  for (const std::wstring* field : {&entry.picture, &entry.title, &entry.comment}) {
    key += L'\0';
    key += *field;
  }
  return key;
}

void Mainform::CheckStatusSoon() {
  if (fileName_.empty()) return;
  SetTimer(hwnd(), kTimerStatus, kQuietMilliseconds, nullptr);
}

void Mainform::CheckStatusNow(bool evenIfUnchanged) {
  KillTimer(hwnd(), kTimerStatus);
  if (fileName_.empty()) return;
  // The records as they stand, the one being edited as its text boxes hold it.
  ReadFields();
  std::vector<CatalogueEntry> records = store_.Records();
  if (store_.CurrentIndex() >= 0) records[static_cast<std::size_t>(store_.CurrentIndex())] = store_.Fields();
  if (!evenIfUnchanged && records == checkingRecords_) return;
  checkingRecords_ = records;
  statusWorker_.Start(hwnd(), kMsgStatusReady, win32::FolderOfFile(fileName_), std::move(records));
}

void Mainform::TakeStatus() {
  std::optional<EntryStatusResult> result = statusWorker_.TakeResult();
  if (!result) return;
  images_.SetRows(*result);
  status_ = std::move(result);
  statusRecords_ = checkingRecords_;
  statusRows_.clear();
  for (std::size_t k = 0; k < statusRecords_.size(); ++k) statusRows_.emplace(KeyOf(statusRecords_[k]), static_cast<int>(k));
  entries_.RefreshAll();
}

void Mainform::WatchDiscFolder() {
  if (fileName_.empty()) {
    watcher_.Stop();
    return;
  }
  watcher_.Watch(hwnd(), kMsgFilesChanged, win32::FolderOfFile(fileName_));
}

void Mainform::UseImages(int dpi) {
  images_.Rebuild(dpi, status_ ? &*status_ : nullptr);
  ListView_SetImageList(entries_.hwnd(), images_.List(), LVSIL_SMALL);
}

int Mainform::StatusRowOf(int k) const {
  if (!status_) return -1;
  const auto found = statusRows_.find(KeyOf(store_.Shown(k)));
  if (found == statusRows_.end() || found->second >= static_cast<int>(status_->statuses.size())) return -1;
  return found->second;
}

void Mainform::GiveRowStatus(NMLVDISPINFOW& info) const {
  LVITEMW& item = info.item;
  const bool icon = (item.mask & LVIF_IMAGE) != 0 && item.iSubItem == EntriesList::kNumber;
  const bool says = (item.mask & LVIF_TEXT) != 0 && item.iSubItem == EntriesList::kStatus;
  if (!icon && !says) return;  // the other cells: no record's text looked up while painting
  const int row = StatusRowOf(item.iItem);
  if (icon) {
    item.iImage = row >= 0 ? images_.ImageOfRow(row) : I_IMAGENONE;
  }
  if (says && item.cchTextMax > 0) {
    // Until the record as it stands was checked, the column says nothing.
    const std::wstring word = row >= 0 ? CellOf(status_->statuses[static_cast<std::size_t>(row)]).word : std::wstring();
    lstrcpynW(item.pszText, word.c_str(), item.cchTextMax);
  }
}

LRESULT Mainform::DrawRowStatus(const NMLVCUSTOMDRAW& draw) const {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      const int k = static_cast<int>(draw.nmcd.dwItemSpec);
      if (draw.iSubItem != EntriesList::kStatus || k < 0 || k >= store_.Count()) return CDRF_DODEFAULT;
      // The status cell draws its own icon: the list gives one to a row's first cell only.
      const int row = StatusRowOf(k);
      if (row < 0) {
        entries_.DrawCell(draw, nullptr, -1, {});
      } else {
        const StatusCell cell = CellOf(status_->statuses[static_cast<std::size_t>(row)]);
        entries_.DrawCell(draw, images_.List(), images_.ImageOf(cell.icon), cell.word);
      }
      return CDRF_SKIPDEFAULT;
    }
    default: return CDRF_DODEFAULT;
  }
}

void Mainform::GiveStatusTip(NMLVGETINFOTIPW& tip) const {
  const int row = tip.iItem >= 0 && tip.iItem < store_.Count() ? StatusRowOf(tip.iItem) : -1;
  if (row < 0 || tip.pszText == nullptr || tip.cchTextMax <= 0) return;
  const std::wstring text = CellOf(status_->statuses[static_cast<std::size_t>(row)]).tooltip;
  // The list may already hold the cell's own text, cut short: the explanation replaces it.
  lstrcpynW(tip.pszText, text.c_str(), tip.cchTextMax);
}

}  // namespace discfront::editor
