// The disc check's results window: one line per problem, a progress bar while the
// check runs in short steps whenever the window has nothing else to do, Esc to stop it (or, once
// it is over, to close the window). Double-click or Enter on a record's line asks the
// owner to show that record.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "disc_check.h"
#include "system_picture_probe.h"
#include "win32/handles.h"
#include "win32/program_file.h"
#include "win32/system_file_probe.h"
#include "win32/window.h"

namespace discfront::editor {

class DiscCheckWindow : public win32::Window<DiscCheckWindow> {
 public:
  static constexpr wchar_t kClassName[] = L"FrontsmithDiscCheck";
  using ShowRecord = std::function<void(int slot)>;

  // Opens the window over `owner` and starts checking.
  bool Open(HWND owner, std::vector<CatalogueEntry> entries, const std::wstring& discFolder, ShowRecord showRecord);
  bool Running() const { return check_ != nullptr && !check_->Finished() && !cancelled_; }

  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  void OnCreate();
  // Takes the message font at a resolution and lays the window out for it.
  void ShowAtDpi(int dpi);
  // The lowest the window may be made: its list keeps a line.
  int MinWindowHeight() const;
  void Layout();
  void RunSome();
  void AddNewProblems();
  void WidenList(const std::wstring& line);
  void Finish();
  // After the findings: what each entry starts (a program's machine and rights).
  void ListStartedFiles();
  void Cancel();
  void ShowChosen();
  // Keys that reach the list: Esc stops or closes, Enter shows the record.
  LRESULT OnListKey(WORD key);

  HWND Control(int id) const { return GetDlgItem(hwnd(), id); }

  win32::SystemFileProbe files_;
  SystemPictureProbe pictures_;
  win32::SystemProgramProbe programs_;
  std::unique_ptr<DiscCheck> check_;  // uses the probes above
  std::size_t listed_ = 0;            // problems already on the list
  bool cancelled_ = false;
  ShowRecord showRecord_;
  std::wstring folder_;
  win32::UniqueFont font_;
  int dpi_ = 96;
  int lineHeight_ = 0;
};

}  // namespace discfront::editor
