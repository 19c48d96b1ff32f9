#include "entries_list.h"

#include <algorithm>
#include <iterator>

#include "base/texts.h"
#include "base/twips.h"
#include "editor_texts.h"
#include "win32/message_font.h"

namespace discfront::editor {
namespace {

// Column headings and first widths (pixels at 96 dpi), in column order.
constexpr struct {
  unsigned heading;
  int width;
} kColumns[] = {
    {kTextColumnNumber, 56}, {kTextColumnTitle, 150}, {kTextColumnPath, 170},
    {kTextColumnPicture, 90}, {kTextColumnStatus, 124},
};
static_assert(std::size(kColumns) == EntriesList::kColumnCount);

}  // namespace

void EntriesList::Create(HWND parent, int id) {
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS, 0, 0,
                          0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                          nullptr);
  if (list_ == nullptr) return;
  ListView_SetExtendedListViewStyle(
      list_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_INFOTIP | LVS_EX_LABELTIP);
  for (int c = 0; c < kColumnCount; ++c) {
    std::wstring heading = Text(kColumns[c].heading);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.pszText = heading.data();
    column.cx = kColumns[c].width;
    column.iSubItem = c;
    ListView_InsertColumn(list_, c, &column);
  }
}

void EntriesList::SetFont(HFONT font, int dpi) {
  SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const int padding = DesignedPixelsAt(16, dpi);  // the heading's room either side of its text
  for (int c = 0; c < kColumnCount; ++c) {
    const int heading = win32::TextExtent(font, Text(kColumns[c].heading)).cx + padding;
    ListView_SetColumnWidth(list_, c, std::max(DesignedPixelsAt(kColumns[c].width, dpi), heading));
  }
}

void EntriesList::SetRowCount(int rows) {
  if (ListView_GetItemCount(list_) == rows) return;
  ListView_SetItemCountEx(list_, rows, LVSICF_NOSCROLL);
  shownKnown_ = false;  // rows past the end are no longer selected
}

void EntriesList::RefreshRows(int first, int last) {
  if (first <= last) ListView_RedrawItems(list_, first, last);
}

void EntriesList::RefreshAll() { InvalidateRect(list_, nullptr, FALSE); }

std::vector<int> EntriesList::Selection() const {
  std::vector<int> rows;
  for (int k = ListView_GetNextItem(list_, -1, LVNI_SELECTED); k >= 0; k = ListView_GetNextItem(list_, k, LVNI_SELECTED)) {
    rows.push_back(k);
  }
  return rows;
}

int EntriesList::Focused() const { return ListView_GetNextItem(list_, -1, LVNI_FOCUSED); }

void EntriesList::ShowSelection(const std::vector<int>& rows, int focus) {
  if (!shownKnown_) {
    shownRows_ = Selection();
    shownFocus_ = Focused();
    shownKnown_ = true;
  }
  if (shownRows_ == rows && shownFocus_ == focus) return;
  for (int k : shownRows_) {
    if (!std::binary_search(rows.begin(), rows.end(), k)) ListView_SetItemState(list_, k, 0, LVIS_SELECTED);
  }
  for (int k : rows) {
    if (!std::binary_search(shownRows_.begin(), shownRows_.end(), k)) ListView_SetItemState(list_, k, LVIS_SELECTED, LVIS_SELECTED);
  }
  shownRows_ = rows;
  shownFocus_ = focus;
  if (focus >= 0) {
    // The row with the keyboard's focus matters once the list has the keyboard; until then
    // it waits, since moving it costs some systems a walk over every row.
    pendingFocus_ = focus;
    if (GetFocus() == list_) ApplyFocus();
    ListView_EnsureVisible(list_, focus, FALSE);
  }
}

void EntriesList::ApplyFocus() {
  if (pendingFocus_ < 0 || pendingFocus_ >= ListView_GetItemCount(list_)) return;
  ListView_SetItemState(list_, pendingFocus_, LVIS_FOCUSED, LVIS_FOCUSED);
  ListView_SetSelectionMark(list_, pendingFocus_);
  pendingFocus_ = -1;
}

void EntriesList::SelectAll() {
  ListView_SetItemState(list_, -1, LVIS_SELECTED, LVIS_SELECTED);
  shownKnown_ = false;
}

int EntriesList::RowAt(POINT screen) const {
  LVHITTESTINFO hit{};
  hit.pt = screen;
  ScreenToClient(list_, &hit.pt);
  const int row = ListView_SubItemHitTest(list_, &hit);
  return (hit.flags & LVHT_ONITEM) != 0 ? row : -1;
}

int EntriesList::PlaceAt(POINT screen) const {
  POINT client = screen;
  ScreenToClient(list_, &client);
  const int count = ListView_GetItemCount(list_);
  const int top = ListView_GetTopIndex(list_);
  RECT row{};
  // Below the rows shown (or none): after the last; above the first shown: before it.
  if (count == 0 || !ListView_GetItemRect(list_, top, &row, LVIR_BOUNDS)) return count;
  const int height = std::max<int>(row.bottom - row.top, 1);
  if (client.y < row.top) return top;
  const int place = top + (client.y - row.top + height / 2) / height;
  return std::min(place, count);
}

void EntriesList::DrawCell(const NMLVCUSTOMDRAW& draw, HIMAGELIST images, int image, const std::wstring& text) const {
  const int row = static_cast<int>(draw.nmcd.dwItemSpec);
  RECT cell{};
  ListView_GetSubItemRect(list_, row, draw.iSubItem, LVIR_BOUNDS, &cell);
  HDC dc = draw.nmcd.hdc;
  // The row's colours as the list paints its other cells: selected, selected without the
  // keyboard, marked for a drop, or plain.
  const UINT state = ListView_GetItemState(list_, row, LVIS_SELECTED | LVIS_DROPHILITED);
  const bool focused = GetFocus() == list_;
  int back = COLOR_WINDOW, fore = COLOR_WINDOWTEXT;
  if ((state & LVIS_DROPHILITED) != 0 || ((state & LVIS_SELECTED) != 0 && focused)) {
    back = COLOR_HIGHLIGHT;
    fore = COLOR_HIGHLIGHTTEXT;
  } else if ((state & LVIS_SELECTED) != 0) {
    back = COLOR_BTNFACE;
    fore = COLOR_BTNTEXT;
  }
  FillRect(dc, &cell, GetSysColorBrush(back));
  int left = cell.left + 2;
  int size = 0;
  if (images != nullptr && ImageList_GetIconSize(images, &size, &size) && image >= 0) {
    ImageList_Draw(images, image, dc, left, cell.top + (cell.bottom - cell.top - size) / 2, ILD_TRANSPARENT);
  }
  left += size + 4;
  RECT textBox{left, cell.top, cell.right - 2, cell.bottom};
  SetTextColor(dc, GetSysColor(fore));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textBox,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void EntriesList::MarkDropRow(int row) {
  if (row == dropRow_) return;
  if (dropRow_ >= 0) ListView_SetItemState(list_, dropRow_, 0, LVIS_DROPHILITED);
  dropRow_ = row;
  if (row >= 0) ListView_SetItemState(list_, row, LVIS_DROPHILITED, LVIS_DROPHILITED);
}

}  // namespace discfront::editor
