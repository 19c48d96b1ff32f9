// Mainform: the editor's window. It binds the record store to the four text boxes, the
// record drop-down and the entries list beside them, and runs the file, edit and help
// commands around it.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/file_encoding.h"
#include "base/texts.h"
#include "disc_check_window.h"
#include "entries_list.h"
#include "entry_images.h"
#include "entry_status_worker.h"
#include "folder_watcher.h"
#include "mainform_layout.h"
#include "record_store.h"
#include "win32/drop_target.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace discfront::editor {

class Mainform : public win32::Window<Mainform> {
 public:
  static constexpr wchar_t kClassName[] = L"FrontsmithMainform";

  // Opens the window; a failure to is thrown, for the program's report.
  void Create(int showCommand);
  // Keys the window handles before the message loop's dialog navigation; true when handled.
  bool PreTranslateMessage(const MSG& msg);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  void OnCreate();
  void OnCommand(int id, int code);
  void OnClose();

  // Commands.
  void OnZapClick();
  void OnFieldChanged();
  void OnPaste();
  void OnDelete();
  void OnFileNew();
  void OnFileOpen();
  bool OnFileSave();
  bool OnFileSaveAs();

  // The Disc menu (mainform_disc.cpp).
  void OnDiscCheck();
  void OnDiscRun();
  void OnDiscAutorun();
  void OnDiscDescription();
  // Writes the disc folder's image, after the disc check, where and with the label the author says.
  void OnDiscImage();
  // The disc check run whole: false (after showing why) when the image must not be made.
  bool CheckBeforeImage(const std::wstring& folder);
  // Fixes the disc's language in its discfront.ini, or leaves it to the user's.
  void OnDiscLanguage(std::optional<UiLanguage> language);
  // Turns a switch of the disc's discfront.ini on or off; the Disc menu shows them checked when on.
  void OnDiscSwitch(int command);
  void ShowDiscSwitches(HMENU menu);
  // Says once per file that a file was saved as UTF-8, which older launchers cannot read.
  void TellIfUtf8(HWND owner, const std::wstring& fileName, FileEncoding encoding);
  // The folder of the saved catalogue, or nothing (after saying so) when there is none.
  std::optional<std::wstring> DiscFolderOrSay();
  // Shows record `slot` as picking it in the record list does.
  void ShowRecord(int slot);

  // Dropped files (mainform_drop.cpp).
  void RegisterFileDrops();
  // Adds the dropped files as entries after `row`, the row dropped on (-1: dropped below
  // the rows, so after the last), or makes a picture dropped on a row that row's picture;
  // tells the author why not, or asks first to copy files from outside the disc folder.
  void DropFiles(const std::vector<std::wstring>& paths, int row);
  // Whether a point of the screen lies over the entries list, where files are dropped.
  bool OverEntries(POINT screen) const;
  // Copies files into the disc folder where the author says, asking before replacing
  // any; their paths there in the same order, or nothing (after saying why) when not copied.
  std::optional<std::vector<std::wstring>> CopyIntoDiscFolder(const std::wstring& folder,
                                                              const std::vector<std::wstring>& sources);
  win32::FileDrops fileDrops_;

  // Writes the store to the file; false (after a message) when nothing was written.
  bool SaveTo(const std::wstring& fileName);
  // Asks whether to save unsaved changes; false when the user chose to stay.
  bool ConfirmDiscard();
  std::set<std::wstring> toldUtf8_;  // files already said to be UTF-8

  // Text boxes into the store, and the store into the text boxes and the list.
  void ReadFields();
  void ShowStore();
  void ShowNotice(Notice notice);

  // The entries list (mainform_list.cpp).
  static constexpr UINT kMsgSelectionChanged = WM_APP + 1;  // the list's selection changed: handled once it settles
  static constexpr UINT kMsgStatusReady = WM_APP + 2;       // the status worker has a result
  static constexpr UINT kMsgFilesChanged = WM_APP + 3;      // the disc folder's files changed
  static constexpr UINT_PTR kTimerStatus = 1;               // the records stopped changing for a moment
  void OnEntriesNotify(NMHDR* header, LRESULT& result);
  void OnEntriesSelectionChanged();
  void GiveRowText(NMLVDISPINFOW& item) const;
  void OnMoveRows(int step);
  void OnUndo(bool redo);
  void OnSelectAll();
  void BeginRowDrag();
  void FollowRowDrag(POINT screen);
  void EndRowDrag(bool drop);
  // After a command: the store shown, and the change said to a screen reader.
  void ShowChange(Notice notice, const std::wstring& announcement);
  void Announce(const std::wstring& text);
  void UpdateTitle();
  void PlaceEntriesList();
  // The window's least outer size: the form and a narrow list.
  SIZE LeastWindowSize() const;
  // Repaints the rows shown whose text is no longer what they were painted with (after a
  // move only those moved: a repaint of the whole list costs some systems a frame a command).
  void RefreshChangedRows();

  // The list's statuses and icons (mainform_status.cpp): found again a moment after the
  // records or the folder's files change, and at once for F5.
  void CheckStatusSoon();
  void CheckStatusNow(bool evenIfUnchanged);
  void TakeStatus();
  void WatchDiscFolder();
  void UseImages(int dpi);
  static std::wstring KeyOf(const CatalogueEntry& entry);  // a record's whole text, one string
  // The worker's row for what record k holds now (-1: not checked as it stands).
  int StatusRowOf(int k) const;
  void GiveRowStatus(NMLVDISPINFOW& info) const;
  LRESULT DrawRowStatus(const NMLVCUSTOMDRAW& draw) const;
  void GiveStatusTip(NMLVGETINFOTIPW& tip) const;

  HWND Control(int id) const { return GetDlgItem(hwnd(), id); }
  // Places the controls and gives them the message font at a resolution.
  void LayOut(int dpi);

  RecordStore store_;
  std::wstring fileName_;  // empty until a file was opened or saved
  win32::UniqueFont font_;
  HWND lastFocus_ = nullptr;  // not owned: the control that had the keyboard
  EntriesList entries_;
  FormLayout form_{};
  ClientSize leastClient_{0, 0};
  int dpi_ = 96;
  bool showingStore_ = false;      // the controls are being set from the store: their notifications are not the user's
  bool selectionPosted_ = false;   // a change of the list's selection waits to be handled
  bool announced_ = false;         // the list's name says what the last command did
  bool draggingRows_ = false;
  mutable std::unordered_map<int, std::wstring> paintedRows_;  // row: the record's text it was last given
  std::wstring title_;
  EntryImages images_;
  std::optional<EntryStatusResult> status_;          // the last statuses and icons, by the rows of statusRecords_
  std::vector<CatalogueEntry> statusRecords_;        // the records status_ was found for
  std::vector<CatalogueEntry> checkingRecords_;      // the records the worker has now
  std::unordered_map<std::wstring, int> statusRows_;  // a record's text: its row in status_
  // Last: their threads post to the window, and end before anything above goes.
  FolderWatcher watcher_;
  EntryStatusWorker statusWorker_;
  std::unique_ptr<DiscCheckWindow> discCheck_;  // the last check's window, open or closed
};

}  // namespace discfront::editor
