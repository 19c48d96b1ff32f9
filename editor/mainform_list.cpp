// Mainform's entries list: rows from the store, selection both ways, moves by key and by
// dragging, undo and redo, and what a screen reader is told of each.
#include <windowsx.h>

#include <algorithm>
#include <string>

#include "base/decimal_text.h"
#include "base/texts.h"
#include "editor_texts.h"
#include "mainform.h"
#include "mainform_menu.h"
#include "win32/accessible_name.h"

namespace discfront::editor {
namespace {

std::wstring FileNameOnly(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// What a screen reader is told after a move: nothing when nothing moved.
std::wstring MovedAnnouncement(const RecordStore& store, Notice notice, const std::vector<int>& before) {
  if (notice != Notice::kNone || store.Selection() == before || store.Selection().empty()) return {};
  return FormatText(kTextAnnounceMoved,
                    {std::to_wstring(store.Selection().size()), std::to_wstring(store.Selection().front() + 1)});
}

}  // namespace

void Mainform::OnEntriesNotify(NMHDR* header, LRESULT& result) {
  if (header == nullptr || header->hwndFrom != entries_.hwnd()) return;
  switch (header->code) {
    case LVN_GETDISPINFOW:
      GiveRowText(*reinterpret_cast<NMLVDISPINFOW*>(header));
      return;
    case LVN_ITEMCHANGED:
    case LVN_ODSTATECHANGED:
      // A click changes the selection in several notifications; the form follows once.
      if (!showingStore_) entries_.SelectionChangedByUser();
      if (!showingStore_ && !selectionPosted_) {
        selectionPosted_ = true;
        PostMessageW(hwnd(), kMsgSelectionChanged, 0, 0);
      }
      return;
    case LVN_BEGINDRAG:
      BeginRowDrag();
      return;
    case NM_SETFOCUS:
      entries_.ApplyFocus();
      return;
    case NM_CUSTOMDRAW:
      result = DrawRowStatus(*reinterpret_cast<NMLVCUSTOMDRAW*>(header));
      return;
    case LVN_GETINFOTIPW:
      GiveStatusTip(*reinterpret_cast<NMLVGETINFOTIPW*>(header));
      return;
    case LVN_ODFINDITEMW:
      result = -1;
      return;
    case LVN_KEYDOWN: {
      const WORD key = reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey;
      if (key == VK_DELETE) OnDelete();
      if (key == VK_INSERT) OnPaste();
      if (key == VK_ESCAPE && draggingRows_) EndRowDrag(false);
      return;
    }
    default:
      return;
  }
}

void Mainform::GiveRowText(NMLVDISPINFOW& info) const {
  LVITEMW& item = info.item;
  if (item.iItem < 0 || item.iItem >= store_.Count()) return;
  GiveRowStatus(info);  // icons, and the status column's word
  if ((item.mask & LVIF_TEXT) == 0 || item.cchTextMax <= 0 || item.iSubItem == EntriesList::kStatus) return;
  const CatalogueEntry& entry = store_.Shown(item.iItem);
  if (item.iSubItem == EntriesList::kTitle) paintedRows_[item.iItem] = KeyOf(entry);
  std::wstring text;
  switch (item.iSubItem) {
    case EntriesList::kNumber: text = DecimalText(item.iItem + 1); break;
    case EntriesList::kTitle: text = entry.title; break;
    case EntriesList::kPath: text = entry.path; break;
    case EntriesList::kPicture: text = entry.picture; break;
    default: break;
  }
  // A row is one line: a comment's line breaks never reach it, a title's tabs would.
  std::replace_if(text.begin(), text.end(), [](wchar_t c) { return c == L'\r' || c == L'\n' || c == L'\t'; }, L' ');
  lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
}

void Mainform::RefreshChangedRows() {
  if (ListView_GetItemCount(entries_.hwnd()) != store_.Count()) {
    // Rows came or went: every row from there on shows another record.
    entries_.SetRowCount(store_.Count());
    paintedRows_.clear();
    entries_.RefreshAll();
    return;
  }
  const int top = ListView_GetTopIndex(entries_.hwnd());
  const int last = std::min(top + ListView_GetCountPerPage(entries_.hwnd()) + 1, store_.Count()) - 1;
  for (int k = top; k <= last; ++k) {
    const auto painted = paintedRows_.find(k);
    if (painted == paintedRows_.end() || painted->second != KeyOf(store_.Shown(k))) entries_.RefreshRows(k, k);
  }
}

void Mainform::OnEntriesSelectionChanged() {
  selectionPosted_ = false;
  if (announced_) {
    announced_ = false;
    win32::SetAccessibleName(entries_.hwnd(), Text(kTextEntriesName), ROLE_SYSTEM_LIST);
  }
  const std::vector<int> rows = entries_.Selection();
  int focus = entries_.Focused();
  if (rows.empty()) {  // a click beside the rows: the record being edited stays selected
    ShowStore();
    return;
  }
  if (!std::binary_search(rows.begin(), rows.end(), focus)) {
    focus = std::binary_search(rows.begin(), rows.end(), store_.CurrentIndex()) ? store_.CurrentIndex() : rows.front();
  }
  ReadFields();
  const Notice notice = store_.Select(rows, focus);
  ShowStore();  // back on the record being edited when the form could not leave it
  ShowNotice(notice);
}

void Mainform::OnMoveRows(int step) {
  ReadFields();
  const std::vector<int> before = store_.Selection();
  const Notice notice = store_.MoveRows(before, step);
  ShowChange(notice, MovedAnnouncement(store_, notice, before));
}

void Mainform::OnUndo(bool redo) {
  ReadFields();
  const bool can = redo ? store_.CanRedo() : store_.CanUndo();
  const Notice notice = redo ? store_.Redo() : store_.Undo();
  std::wstring said;
  if (can && notice == Notice::kNone) {
    said = FormatText(redo ? kTextAnnounceRedone : kTextAnnounceUndone,
                      {std::to_wstring(store_.Count()), std::to_wstring(store_.CurrentIndex() + 1)});
  }
  ShowChange(notice, said);
}

void Mainform::OnSelectAll() {
  // In a text box Ctrl+A takes its text, as everywhere.
  HWND focus = GetFocus();
  if (focus != nullptr && focus != entries_.hwnd() && GetParent(focus) == hwnd() && focus != Control(kIdZap)) {
    wchar_t className[16]{};
    GetClassNameW(focus, className, 16);
    if (lstrcmpiW(className, L"Edit") == 0) {
      Edit_SetSel(focus, 0, -1);
      return;
    }
  }
  entries_.SelectAll();
}

void Mainform::ShowChange(Notice notice, const std::wstring& announcement) {
  ShowStore();
  ShowNotice(notice);
  if (!announcement.empty()) Announce(announcement);
}

void Mainform::Announce(const std::wstring& text) {
  // The list's own name says it: a screen reader reads the name of the object with the
  // keyboard when it changes. The next change of selection gives the list its name back.
  announced_ = true;
  win32::SetAccessibleName(entries_.hwnd(), Text(kTextEntriesName) + L". " + text, ROLE_SYSTEM_LIST);
}

void Mainform::UpdateTitle() {
  const bool unsaved = store_.HasUnsavedChanges();
  std::wstring title = Text(kTextCaption);
  // An untouched new catalogue keeps the program's plain caption.
  if (!fileName_.empty() || unsaved) {
    title = FormatText(kTextWindowTitle,
                       {(unsaved ? L"*" : L"") + (fileName_.empty() ? Text(kTextNewCatalogue) : FileNameOnly(fileName_))});
  }
  if (title == title_) return;
  title_ = title;
  SetWindowTextW(hwnd(), title.c_str());
}

// Rows dragged within the list: the selected rows go where the button is let go.
void Mainform::BeginRowDrag() {
  if (store_.Count() == 0) return;
  draggingRows_ = true;
  SetCapture(hwnd());
}

void Mainform::FollowRowDrag(POINT screen) {
  RECT list{};
  GetWindowRect(entries_.hwnd(), &list);
  // Near the top or bottom edge the list scrolls on.
  const int edge = GetSystemMetrics(SM_CYHSCROLL);
  if (screen.y < list.top + edge) SendMessageW(entries_.hwnd(), WM_VSCROLL, SB_LINEUP, 0);
  if (screen.y > list.bottom - edge) SendMessageW(entries_.hwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
  const int place = entries_.PlaceAt(screen);
  entries_.MarkDropRow(place < store_.Count() ? place : -1);
}

void Mainform::EndRowDrag(bool drop) {
  if (!draggingRows_) return;
  draggingRows_ = false;
  entries_.MarkDropRow(-1);
  POINT at{};
  GetCursorPos(&at);
  if (GetCapture() == hwnd()) ReleaseCapture();
  if (!drop) return;
  ReadFields();
  const std::vector<int> before = store_.Selection();
  const Notice notice = store_.MoveRowsTo(before, entries_.PlaceAt(at));
  ShowChange(notice, MovedAnnouncement(store_, notice, before));
}

}  // namespace discfront::editor
