// Watches the disc folder and everything under it, and tells a window once the files
// have stopped changing for a moment, so that the entries list's statuses are found
// again after a copy of many files without being started for each one.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

#include "win32/handles.h"

namespace discfront::editor {

class FolderWatcher {
 public:
  // How long the folder must stay quiet before the window is told.
  static constexpr DWORD kQuietMilliseconds = 300;

  FolderWatcher();
  // Stops watching and waits for the thread (which never waits longer than for its
  // stop event).
  ~FolderWatcher();
  FolderWatcher(const FolderWatcher&) = delete;
  FolderWatcher& operator=(const FolderWatcher&) = delete;

  // Watches `folder` (the one before is left), posting `message` to `notify` after each
  // quiet spell that follows a change of a file's or folder's name, size or time. False
  // when the system does not watch the folder (it is not there).
  bool Watch(HWND notify, UINT message, const std::wstring& folder);
  void Stop();

 private:
  void Run(HANDLE change, HWND notify, UINT message);

  win32::UniqueHandle stop_;    // set to end the thread
  win32::UniqueChangeNotification change_;  // closed only after the thread that waits on it ends
  std::thread thread_;
};

}  // namespace discfront::editor
