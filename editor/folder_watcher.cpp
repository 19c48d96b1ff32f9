#include "folder_watcher.h"

#include <string>
#include <vector>

namespace discfront::editor {
namespace {

// The most subfolders opened for the watch's sake (a disc holds far fewer).
constexpr int kMostFoldersOpened = 4096;

constexpr DWORD kChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_SIZE |
                           FILE_NOTIFY_CHANGE_LAST_WRITE;

// Opens each subfolder once. A watch of a whole tree on Wine sees changes only in the
// subfolders opened since it began (and those made since); Windows sees them all
// anyway, at the cost of one open a folder, on the watcher's thread.
void OpenSubfolders(const std::wstring& folder, HANDLE stop) {
  // Walked with the system's own calls: the standard library's file system would bring
  // its streams into a program that ships on a disc.
  std::vector<std::wstring> waiting{folder};
  int opened = 0;
  while (!waiting.empty() && opened < kMostFoldersOpened) {
    const std::wstring here = std::move(waiting.back());
    waiting.pop_back();
    WIN32_FIND_DATAW found{};
    const win32::UniqueFind search(FindFirstFileW((here + L"\\*").c_str(), &found));
    if (!search) continue;
    do {
      const std::wstring name = found.cFileName;
      // Links to folders are left alone: they may lead back up.
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 || (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ||
          name == L"." || name == L"..") {
        continue;
      }
      if (WaitForSingleObject(stop, 0) == WAIT_OBJECT_0) return;
      const std::wstring path = here + L"\\" + name;
      const win32::UniqueHandle opening(CreateFileW(path.c_str(), FILE_LIST_DIRECTORY,
                                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
      waiting.push_back(path);
      if (++opened >= kMostFoldersOpened) break;
    } while (FindNextFileW(search.get(), &found));
  }
}

}  // namespace

FolderWatcher::FolderWatcher() : stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

FolderWatcher::~FolderWatcher() { Stop(); }

void FolderWatcher::Stop() {
  if (thread_.joinable()) {
    SetEvent(stop_.get());
    thread_.join();
    ResetEvent(stop_.get());
  }
  change_.reset();
}

bool FolderWatcher::Watch(HWND notify, UINT message, const std::wstring& folder) {
  Stop();
  if (!stop_) return false;
  change_.reset(FindFirstChangeNotificationW(folder.c_str(), TRUE, kChanges));
  if (!change_) return false;
  const HANDLE change = change_.get();
  thread_ = std::thread([this, change, notify, message, folder] {
    try {
      OpenSubfolders(folder, stop_.get());
    } catch (...) {  // out of memory: the watch goes on without it
    }
    Run(change, notify, message);
  });
  return true;
}

void FolderWatcher::Run(HANDLE change, HWND notify, UINT message) {
  const HANDLE waits[] = {stop_.get(), change};
  bool changed = false;
  for (;;) {
    // After a change, the quiet spell; before one, as long as it takes.
    const DWORD woke = WaitForMultipleObjects(2, waits, FALSE, changed ? kQuietMilliseconds : INFINITE);
    if (woke == WAIT_OBJECT_0 + 1) {
      changed = true;
      if (!FindNextChangeNotification(change)) return;  // the folder is gone
    } else if (woke == WAIT_TIMEOUT) {
      changed = false;
      PostMessageW(notify, message, 0, 0);
    } else {
      return;  // stopped, or the wait failed
    }
  }
}

}  // namespace discfront::editor
