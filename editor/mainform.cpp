#include "mainform.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "catalogue_file.h"
#include "help_viewer.h"
#include "mainform_layout.h"
#include "mainform_menu.h"
#include "messages.h"
#include "about/about_dialog.h"
#include "win32/accessible_name.h"
#include "win32/atomic_file.h"
#include "win32/display_dpi.h"
#include "win32/error_report.h"
#include "win32/file_dialog.h"
#include "win32/file_io.h"
#include "win32/message_box.h"
#include "win32/message_font.h"
#include "win32/program_end.h"
#include "win32/win32_texts.h"
#include "win32/window_placement.h"
#include "win32/window_text.h"
#include "base/texts.h"
#include "base/twips.h"

namespace discfront::editor {
namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW;
constexpr wchar_t kPlacementKey[] = L"Software\\Korvel Discfront\\frontsmith";
constexpr int kDropDownListPixels = 200;  // the open list below zap

using win32::WindowText;

void SetText(HWND hwnd, const std::wstring& text) {
  if (WindowText(hwnd) != text) SetWindowTextW(hwnd, text.c_str());
}

// Each field and the record-number box with the label that says what it holds: the
// labels follow the fields in tab order, where the system would not look for them.
constexpr struct {
  ControlId field, label;
  long role;
} kFieldLabels[] = {
    {kIdTxtNameSoft, kIdLabel1, ROLE_SYSTEM_TEXT}, {kIdTxtWay, kIdLabel2, ROLE_SYSTEM_TEXT},
    {kIdTxtPic, kIdLabel3, ROLE_SYSTEM_TEXT},      {kIdTxtCom, kIdLabel4, ROLE_SYSTEM_TEXT},
    {kIdZap, kIdLabel5, ROLE_SYSTEM_COMBOBOX},
};

win32::FileDialogOptions CatalogueDialog(const std::wstring& fileName) {
  return win32::FileDialogOptions{Text(kTextFileFilter), L"lnc", fileName};
}

}  // namespace

void Mainform::Create(int showCommand) {
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  // Sized once it is there, at the resolution of the monitor it opens on (LayOut); a
  // monitor of another one sends WM_DPICHANGED.
  if (!RegisterClassOnce(kClassName, icon) ||
      CreateWindowFor(kClassName, Text(kTextCaption).c_str(), kWindowStyle, 0, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                      nullptr, CreateMainMenu()) == nullptr) {
    // What failed inside the window's creation, if that is what ended it; the report says so.
    win32::ThrowKeptFailure();
    throw std::runtime_error("the main window could not be created");
  }
  if (!win32::RestoreWindowPlacement(hwnd(), kPlacementKey, LeastWindowSize(), showCommand)) {
    ShowWindow(hwnd(), showCommand);
  }
  UpdateWindow(hwnd());
  SetFocus(Control(kIdTxtNameSoft));
}

bool Mainform::PreTranslateMessage(const MSG& msg) {
  // The comment box takes Enter for new lines, but Tab still moves on, as in every
  // other box of the window (a multi-line edit would otherwise swallow it).
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && msg.hwnd == Control(kIdTxtCom) &&
      (GetKeyState(VK_CONTROL) & 0x8000) == 0) {
    const bool backwards = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    SetFocus(GetNextDlgTabItem(hwnd(), msg.hwnd, backwards));
    return true;
  }
  return false;
}

LRESULT Mainform::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY: {
      LRESULT result = 0;
      OnEntriesNotify(reinterpret_cast<NMHDR*>(lParam), result);
      return result;
    }
    case kMsgSelectionChanged:
      OnEntriesSelectionChanged();
      return 0;
    case kMsgStatusReady:
      TakeStatus();
      return 0;
    case kMsgFilesChanged:
      CheckStatusNow(true);
      return 0;
    case WM_TIMER:
      if (wParam == kTimerStatus) CheckStatusNow(false);
      return 0;
    case WM_SIZE:
      PlaceEntriesList();
      return 0;
    case WM_GETMINMAXINFO: {
      const SIZE least = LeastWindowSize();
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {least.cx, least.cy};
      return 0;
    }
    case WM_MOUSEMOVE:
      if (draggingRows_) {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd(), &at);
        FollowRowDrag(at);
      }
      return 0;
    case WM_LBUTTONUP:
      if (draggingRows_) EndRowDrag(true);
      return 0;
    case WM_CAPTURECHANGED:
      if (draggingRows_) EndRowDrag(false);
      return 0;
    case WM_INITMENUPOPUP: {
      HMENU menu = reinterpret_cast<HMENU>(wParam);
      ReadFields();
      EnableMenuItem(menu, kCmdEditUndo, MF_BYCOMMAND | (store_.CanUndo() ? MF_ENABLED : MF_GRAYED));
      EnableMenuItem(menu, kCmdEditRedo, MF_BYCOMMAND | (store_.CanRedo() ? MF_ENABLED : MF_GRAYED));
      ShowDiscSwitches(menu);
      return 0;
    }
    case WM_ACTIVATE:
      // Coming back from a message box or dialog, the keyboard goes where it was.
      if (LOWORD(wParam) == WA_INACTIVE) {
        lastFocus_ = GetFocus();
      } else if (lastFocus_ != nullptr && IsChild(hwnd(), lastFocus_)) {
        SetFocus(lastFocus_);
        return 0;
      }
      return DefaultHandling(msg, wParam, lParam);
    case WM_HELP:  // F1 where the accelerator did not see it (menus, message loops of controls)
      OnCommand(kCmdHelp, 0);
      return TRUE;
    case WM_DPICHANGED: {
      // Where and as large as the system suggests, and at least what the form needs.
      const RECT r = win32::SuggestedRect(lParam);
      LayOut(win32::NewDpi(wParam));
      UseImages(dpi_);
      CheckStatusNow(true);  // the rows' icons at the new size
      const SIZE least = LeastWindowSize();
      SetWindowPos(hwnd(), nullptr, r.left, r.top, std::max<int>(r.right - r.left, least.cx),
                   std::max<int>(r.bottom - r.top, least.cy), SWP_NOZORDER | SWP_NOACTIVATE);
      PlaceEntriesList();
      return 0;
    }
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      CloseHelp();
      PostQuitMessage(0);
      return 0;
    default:
      return DefaultHandling(msg, wParam, lParam);
  }
}

void Mainform::OnCreate() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const ControlPlace& place : kControls) {
    const wchar_t* className = L"EDIT";
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    switch (place.kind) {
      case ControlKind::kButton:
        className = L"BUTTON";
        style |= WS_TABSTOP | BS_PUSHBUTTON;
        break;
      case ControlKind::kLabel:
        className = L"STATIC";
        style |= SS_LEFTNOWORDWRAP | SS_NOPREFIX;
        break;
      case ControlKind::kEdit:
        style |= WS_TABSTOP | ES_AUTOHSCROLL;
        exStyle = WS_EX_CLIENTEDGE;
        break;
      case ControlKind::kMultilineEdit:
        style |= WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL;
        exStyle = WS_EX_CLIENTEDGE;
        break;
      case ControlKind::kDropDownList:
        className = L"COMBOBOX";
        style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
        break;
    }
    const std::wstring caption = place.caption != 0 ? Text(place.caption) : std::wstring();
    CreateWindowExW(exStyle, className, caption.c_str(), style, 0, 0, 0, 0, hwnd(),
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)), instance, nullptr);
  }
  // Last in tab order: after the form, as it stands right of it.
  entries_.Create(hwnd(), kIdEntries);
  win32::SetAccessibleName(entries_.hwnd(), Text(kTextEntriesName), ROLE_SYSTEM_LIST);
  LayOut(win32::WindowDpi(hwnd()));
  UseImages(dpi_);
  // The window opens at the form's height with a list beside it that shows its columns.
  // The window opens at the form's height with a list beside it that shows its columns,
  // as far as its monitor has room.
  const ClientSize first = DefaultClientSize(form_, dpi_);
  const RECT frame = win32::OuterRectForDpi({0, 0, first.width, first.height}, kWindowStyle, true, 0, dpi_);
  const SIZE least = LeastWindowSize();
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  int width = frame.right - frame.left;
  if (GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTOPRIMARY), &monitor)) {
    width = std::max<int>(std::min<int>(width, monitor.rcWork.right - monitor.rcWork.left), least.cx);
  }
  SetWindowPos(hwnd(), nullptr, 0, 0, width, frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A field holds what a catalogue line can carry; the edit control's default
  // limit (32 767) would cut long comments short without a word.
  for (int id : {kIdTxtNameSoft, kIdTxtWay, kIdTxtPic, kIdTxtCom}) {
    SendMessageW(Control(id), EM_SETLIMITTEXT, 0, 0);
  }
  for (const auto& named : kFieldLabels) {
    win32::SetAccessibleName(Control(named.field), WindowText(Control(named.label)), named.role);
  }
  // Named as they read; some systems' standard objects do not know a button as one.
  for (int id : {kIdCmdPaste, kIdCmdDel}) {
    win32::SetAccessibleName(Control(id), WindowText(Control(id)), ROLE_SYSTEM_PUSHBUTTON,
                             Text(win32::kTextPressAction));
  }
  RegisterFileDrops();
  ShowStore();
}

void Mainform::LayOut(int dpi) {
  // The old font goes only once no control shows it any more.
  win32::UniqueFont newFont = win32::CreateMessageFont(dpi);
  const HFONT font = win32::FontOrDefault(newFont.get());
  std::vector<int> captionWidths;
  for (const ControlPlace& place : kControls) {
    captionWidths.push_back(place.caption != 0 ? win32::TextExtent(font, Text(place.caption)).cx : 0);
  }
  const FormLayout layout = LayOutForm(dpi, win32::TextExtent(font, L"").cy, captionWidths);
  for (std::size_t i = 0; i < std::size(kControls); ++i) {
    HWND control = Control(kControls[i].id);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const PixelBox& box = layout.boxes[i];
    const int openList = kControls[i].kind == ControlKind::kDropDownList ? DesignedPixelsAt(kDropDownListPixels, dpi) : 0;
    SetWindowPos(control, nullptr, box.left, box.top, box.width, box.height + openList, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SendMessageW(Control(kIdZap), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
               DropDownFieldHeight(layout.boxes[std::size(kControls) - 1].height, dpi));
  entries_.SetFont(font, dpi);
  font_ = std::move(newFont);
  dpi_ = dpi;
  leastClient_ = MinimumClientSize(layout, dpi);
  form_ = layout;
  PlaceEntriesList();
  InvalidateRect(hwnd(), nullptr, TRUE);
}

SIZE Mainform::LeastWindowSize() const {
  const RECT least = win32::OuterRectForDpi({0, 0, leastClient_.width, leastClient_.height}, kWindowStyle, true, 0, dpi_);
  return {least.right - least.left, least.bottom - least.top};
}

void Mainform::PlaceEntriesList() {
  if (entries_.hwnd() == nullptr) return;
  RECT client{};
  GetClientRect(hwnd(), &client);
  const PixelBox box = EntriesListBox(form_, client.right, client.bottom, dpi_);
  SetWindowPos(entries_.hwnd(), nullptr, box.left, box.top, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Mainform::OnCommand(int id, int code) {
  switch (id) {
    case kIdTxtNameSoft:
    case kIdTxtWay:
    case kIdTxtPic:
    case kIdTxtCom:
      if (code == EN_CHANGE) OnFieldChanged();
      return;
    case kIdZap:
      if (code == CBN_SELCHANGE) OnZapClick();
      return;
    case kIdCmdPaste:
    case kCmdElementPaste:
      if (code == BN_CLICKED || id == kCmdElementPaste) OnPaste();
      return;
    case kIdCmdDel:
    case kCmdElementDel:
      if (code == BN_CLICKED || id == kCmdElementDel) OnDelete();
      return;
    case kCmdEditUndo: OnUndo(false); return;
    case kCmdEditRedo: OnUndo(true); return;
    case kCmdEditSelectAll: OnSelectAll(); return;
    case kCmdGoToList: SetFocus(entries_.hwnd()); return;
    case kCmdElementMoveUp:
    case kCmdElementMoveDown:
      // Alt+Down in the drop-down opens it, as everywhere.
      if (GetFocus() == Control(kIdZap)) {
        if (id == kCmdElementMoveDown) ComboBox_ShowDropdown(Control(kIdZap), TRUE);
        return;
      }
      OnMoveRows(id == kCmdElementMoveUp ? -1 : 1);
      return;
    case kCmdFileNew: OnFileNew(); return;
    case kCmdFileOpen: OnFileOpen(); return;
    case kCmdFileSave: OnFileSave(); return;
    case kCmdFileSaveAs: OnFileSaveAs(); return;
    case kCmdFileExit: SendMessageW(hwnd(), WM_CLOSE, 0, 0); return;
    case kCmdDiscCheck: OnDiscCheck(); return;
    case kCmdDiscRun: OnDiscRun(); return;
    case kCmdDiscAutorun: OnDiscAutorun(); return;
    case kCmdDiscDescription: OnDiscDescription(); return;
    case kCmdDiscImage: OnDiscImage(); return;
    case kCmdDiscLanguageUser: OnDiscLanguage(std::nullopt); return;
    case kCmdDiscLanguageRussian: OnDiscLanguage(UiLanguage::kRussian); return;
    case kCmdDiscLanguageEnglish: OnDiscLanguage(UiLanguage::kEnglish); return;
    case kCmdDiscEntryIcons:
    case kCmdDiscCloseAfterStart: OnDiscSwitch(id); return;
    case kCmdHelp: ShowHelpContext(hwnd(), HelpFileName(), 1); return;
    case kCmdHelpAbout: about::ShowEditorAbout(hwnd(), MAKEINTRESOURCEW(2)); return;  // icon 2 of frontsmith.rc
    default: return;
  }
}

void Mainform::OnClose() {
  if (!ConfirmDiscard()) return;
  win32::SaveWindowPlacement(hwnd(), kPlacementKey);
  DestroyWindow(hwnd());
}

void Mainform::OnZapClick() {
  const int chosen = ComboBox_GetCurSel(Control(kIdZap));
  ReadFields();
  const Notice notice = store_.Navigate(chosen);
  ShowStore();  // puts the list back on the record being edited when navigation was refused
  ShowNotice(notice);
}

void Mainform::OnFieldChanged() {
  if (showingStore_) return;
  // The row of the record being edited shows what is typed, as it is typed.
  ReadFields();
  entries_.RefreshRows(store_.CurrentIndex(), store_.CurrentIndex());
  UpdateTitle();
  CheckStatusSoon();
}

void Mainform::OnPaste() {
  // Beside the list, the new record goes after the one being edited (the Parts of the
  // form alone put it in its place); the checks and messages are Insert's.
  ReadFields();
  ShowChange(store_.InsertNext(), {});
}

void Mainform::OnDelete() {
  ReadFields();
  const std::vector<int> rows = store_.Selection();
  if (rows.size() <= 1) {
    store_.Delete();
    ShowChange(Notice::kNone, {});
    return;
  }
  // Several rows go after one question that says how many.
  const std::wstring question = FormatText(kTextDeleteRows, {std::to_wstring(rows.size())});
  if (win32::ShowMessage(hwnd(), question, win32::MessageIcon::kQuestion, MB_YESNO) != IDYES) return;
  const Notice notice = store_.DeleteRows(rows);
  ShowChange(notice, notice != Notice::kNone ? std::wstring()
                                             : FormatText(kTextAnnounceDeleted, {std::to_wstring(rows.size()),
                                                                                std::to_wstring(store_.Count())}));
}

void Mainform::OnFileNew() {
  if (!ConfirmDiscard()) return;
  store_ = RecordStore();
  fileName_.clear();
  statusWorker_.Cancel();
  status_.reset();
  checkingRecords_.clear();
  WatchDiscFolder();
  ShowStore();
  UpdateTitle();
}

void Mainform::OnFileOpen() {
  if (!ConfirmDiscard()) return;
  const std::optional<std::wstring> chosen = win32::ShowOpenDialog(hwnd(), CatalogueDialog(fileName_));
  if (!chosen) return;
  std::string bytes;
  const ErrorNumber error = win32::ReadWholeFile(*chosen, bytes);
  if (error != ErrorNumber::kNone) {
    win32::ShowMessage(hwnd(), ReadFailureMessage(*chosen, win32::DescribeError(error)), win32::MessageIcon::kStop);
    return;
  }
  OpenResult result = ReadCatalogueFile(bytes);
  if (!result.store) {
    win32::ShowMessage(hwnd(), OpenFailureMessage(*chosen, result.failure), win32::MessageIcon::kStop);
    return;
  }
  store_ = std::move(*result.store);
  fileName_ = *chosen;
  status_.reset();  // another folder's statuses say nothing of this one's
  statusRows_.clear();
  // A file that already was UTF-8 needs no telling when it is saved again.
  if (DetectFileEncoding(bytes) == FileEncoding::kUtf8) toldUtf8_.insert(fileName_);
  ShowStore();
  UpdateTitle();
  WatchDiscFolder();
  CheckStatusNow(true);
}

bool Mainform::OnFileSave() {
  if (fileName_.empty()) return OnFileSaveAs();
  return SaveTo(fileName_);
}

bool Mainform::OnFileSaveAs() {
  const std::optional<std::wstring> chosen = win32::ShowSaveDialog(hwnd(), CatalogueDialog(fileName_));
  if (!chosen) return false;
  if (!SaveTo(*chosen)) return false;
  fileName_ = *chosen;
  UpdateTitle();
  WatchDiscFolder();
  CheckStatusNow(true);
  return true;
}

bool Mainform::SaveTo(const std::wstring& fileName) {
  ReadFields();
  const Notice notice = store_.StoreForSave();
  if (notice != Notice::kNone) {
    ShowNotice(notice);
    return false;
  }
  std::string bytes;
  EncodeFailure failure;
  FileEncoding encoding = FileEncoding::kCp1251;
  if (!WriteCatalogueFile(store_, bytes, failure, &encoding)) {
    win32::ShowMessage(hwnd(), EncodeFailureMessage(failure), win32::MessageIcon::kStop);
    return false;
  }
  const win32::FileWriteResult written = win32::ReplaceFileContents(fileName, bytes);
  if (!written.ok) {
    win32::ShowMessage(hwnd(), SaveFailureMessage(fileName, written.reason), win32::MessageIcon::kStop);
    return false;
  }
  store_.MarkSaved();
  UpdateTitle();
  TellIfUtf8(hwnd(), fileName, encoding);
  return true;
}

bool Mainform::ConfirmDiscard() {
  ReadFields();
  if (!store_.HasUnsavedChanges()) return true;
  const win32::ButtonCaption captions[] = {{IDYES, Text(kTextSaveButton)}, {IDNO, Text(kTextDontSaveButton)}};
  switch (win32::ShowMessage(hwnd(), Text(kTextSaveChanges), win32::MessageIcon::kQuestion, MB_YESNOCANCEL, captions)) {
    case IDYES: return OnFileSave();
    case IDNO: return true;
    default: return false;
  }
}

void Mainform::ReadFields() {
  store_.SetFields(CatalogueEntry{WindowText(Control(kIdTxtWay)), WindowText(Control(kIdTxtNameSoft)),
                                  WindowText(Control(kIdTxtCom)), WindowText(Control(kIdTxtPic))});
}

void Mainform::ShowStore() {
  showingStore_ = true;
  // With no records the boxes edit nothing, so nothing may be typed there to be lost.
  const BOOL readOnly = store_.Count() == 0;
  for (int id : {kIdTxtNameSoft, kIdTxtWay, kIdTxtPic, kIdTxtCom}) {
    SendMessageW(Control(id), EM_SETREADONLY, readOnly, 0);
  }
  const CatalogueEntry& fields = store_.Fields();
  SetText(Control(kIdTxtWay), fields.path);
  SetText(Control(kIdTxtPic), fields.picture);
  SetText(Control(kIdTxtNameSoft), fields.title);
  SetText(Control(kIdTxtCom), fields.comment);

  // Labels are positions: only the number of items changes.
  HWND zap = Control(kIdZap);
  const int count = ComboBox_GetCount(zap);
  if (count != store_.Count()) {
    SendMessageW(zap, WM_SETREDRAW, FALSE, 0);
    if (store_.Count() > count) {
      SendMessageW(zap, CB_INITSTORAGE, static_cast<WPARAM>(store_.Count() - count), 32);
      for (int k = count; k < store_.Count(); ++k) ComboBox_AddString(zap, RecordLabel(k).c_str());
    } else {
      for (int k = count - 1; k >= store_.Count(); --k) ComboBox_DeleteString(zap, k);
    }
    SendMessageW(zap, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(zap, nullptr, TRUE);
  }
  ComboBox_SetCurSel(zap, store_.CurrentIndex());

  RefreshChangedRows();
  entries_.ShowSelection(store_.Selection(), store_.CurrentIndex());
  showingStore_ = false;
  UpdateTitle();
  CheckStatusSoon();
}

void Mainform::ShowNotice(Notice notice) {
  switch (notice) {
    case Notice::kNone: return;
    case Notice::kForbiddenCharacters: win32::ShowMessage(hwnd(), Text(kTextForbidden)); return;
    case Notice::kIncomplete:
      win32::ShowMessage(hwnd(), Text(kTextIncomplete), win32::MessageIcon::kInformation);
      return;
    case Notice::kNoRecords: win32::ShowMessage(hwnd(), Text(kTextNoRecords), win32::MessageIcon::kStop); return;
    case Notice::kStoreFull:
      win32::ShowMessage(hwnd(), Text(kTextStoreFull), win32::MessageIcon::kInformation);
      return;
  }
}

}  // namespace discfront::editor
