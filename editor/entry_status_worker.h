// The entries list's statuses and icons, found on a thread of their own so that the
// window never waits for the disc: the disc check (as F5 runs it), the launcher's
// finding of programs that ask for administrator rights, and each row's icon from the
// system. The window starts a run with a copy of the records; the worker posts it a
// message when the run is over, and the window takes the result on that message.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "catalogue/catalogue_entry.h"
#include "entry_status.h"
#include "win32/handles.h"

namespace discfront::editor {

struct EntryStatusResult {
  unsigned generation = 0;  // the Start it answers
  int dpi = 96;             // the icons' resolution
  std::vector<std::vector<EntryStatus>> statuses;  // by record (entry_status.h)
  std::vector<win32::UniqueIcon> icons;             // by record; empty where the system gave none
};

class EntryStatusWorker {
 public:
  EntryStatusWorker();
  // Stops a run between two of its steps and waits for the thread.
  ~EntryStatusWorker();
  EntryStatusWorker(const EntryStatusWorker&) = delete;
  EntryStatusWorker& operator=(const EntryStatusWorker&) = delete;

  // Checks `snapshot` in `discFolder` with icons for `notify`'s resolution, then posts
  // `message` to `notify` (wParam: the generation returned here). A run still going
  // is given up; a result not yet taken is dropped.
  unsigned Start(HWND notify, UINT message, std::wstring discFolder, std::vector<CatalogueEntry> snapshot);
  // The result of the latest Start once it is there; nothing for an older one, or twice.
  std::optional<EntryStatusResult> TakeResult();
  // Gives up the run, if any; no message comes for it.
  void Cancel();

 private:
  struct Job {
    unsigned generation = 0;
    HWND notify = nullptr;  // not owned
    UINT message = 0;
    int dpi = 96;
    std::wstring folder;
    std::vector<CatalogueEntry> entries;
  };
  void Run();
  // Nothing when a newer Start (or the end) came while it ran.
  std::optional<EntryStatusResult> Work(const Job& job);
  bool Outdated(unsigned generation) const;

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  unsigned generation_ = 0;  // the latest Start's; every field below under mutex_
  bool ending_ = false;
  std::optional<Job> pending_;
  std::optional<EntryStatusResult> result_;
  std::thread thread_;  // last: starts once everything above is there
};

}  // namespace discfront::editor
