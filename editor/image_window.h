// The Disc Image command's progress window: what is being written, a bar, the file
// being read, and Cancel (Esc, Enter on it, or closing the window). The writer runs
// on a worker thread and only posts to the window, so the window never waits on the
// disc; the owner is disabled meanwhile, as under a modal dialog.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <exception>
#include <mutex>
#include <string>
#include <thread>

#include "disc/image_plan.h"
#include "disc/image_writer.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace discfront::editor {

class ImageProgressWindow : public win32::Window<ImageProgressWindow> {
 public:
  static constexpr wchar_t kClassName[] = L"FrontsmithDiscImage";

  // Writes the planned image of `folder` to `image` and returns once the writer has
  // ended, with its result. A failure inside the writer is thrown here.
  ImageWriteResult Run(HWND owner, const ImagePlan& plan, const std::wstring& folder, const std::wstring& image);

  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  void OnCreate();
  // Takes the message font at a resolution and sizes the window's client area for it.
  void ShowAtDpi(int dpi, const RECT* suggested);
  void ShowProgress();
  void Cancel();
  // Called on the worker thread.
  bool OnWriterProgress(std::uint64_t done, std::uint64_t total, const SourcePath& file);

  HWND Control(int id) const { return GetDlgItem(hwnd(), id); }

  std::wstring heading_;
  win32::UniqueFont font_;
  int dpi_ = 96;
  bool finished_ = false;  // the worker has ended
  SourcePath shownFile_;   // the file the window names

  // Between the worker and the window.
  std::atomic<bool> cancelled_{false};
  std::mutex mutex_;
  std::uint64_t done_ = 0, total_ = 0;  // guarded by mutex_
  SourcePath file_;                     // guarded by mutex_
  bool progressPosted_ = false;         // guarded by mutex_: a progress message is on its way
  std::chrono::steady_clock::time_point lastPosted_;  // guarded by mutex_
  ImageWriteResult result_;
  std::exception_ptr failure_;
  std::thread worker_;
};

}  // namespace discfront::editor
