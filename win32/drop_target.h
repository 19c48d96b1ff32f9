// Files dropped on a window from the shell: an OLE drop target (RegisterDragDrop) that
// reads the dropped files' full paths, with WM_DROPFILES as the fallback where OLE drop
// targets cannot be registered. The window's own procedure needs no case for either: the
// window is subclassed for the fallback's message and for the drop's hand-over.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

namespace win32 {

class OleFileDropTarget;

// The full paths an HDROP names (WM_DROPFILES, or the CF_HDROP format of a drag).
std::vector<std::wstring> DroppedPaths(HDROP drop);

struct FileDropHandlers {
  // As the pointer moves over the window with files: whether a drop there would be taken
  // (the pointer shows a copy, or that nothing can be dropped). The window may mark
  // what the drop would land on.
  std::function<bool(POINT screen)> over;
  // The pointer left the window, or dropped: any mark goes.
  std::function<void()> leave;
  // The files dropped at a screen point. Called from the window's message loop once the
  // drag has ended, so that the program may ask the user without holding up the program
  // the files came from.
  std::function<void(std::vector<std::wstring> paths, POINT screen)> drop;
};

// Takes files dropped on a window from the time Register succeeds until the window is
// destroyed. OLE must have been started on the thread (OleInitialize) for the drop
// target; without it only WM_DROPFILES is taken, which some drag sources do not send.
class FileDrops {
 public:
  FileDrops() = default;
  FileDrops(const FileDrops&) = delete;
  FileDrops& operator=(const FileDrops&) = delete;
  ~FileDrops();

  // False when neither way could be set up.
  bool Register(HWND window, FileDropHandlers handlers);

  // Only for the window's subclass procedure.
  LRESULT Handle(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  void Revoke();

  struct Dropped {
    std::vector<std::wstring> paths;
    POINT screen;
  };
  friend class OleFileDropTarget;
  // From the drop target: kept until the window's message loop hands it over.
  void Keep(Dropped dropped);

  HWND window_ = nullptr;                  // not owned
  OleFileDropTarget* oleTarget_ = nullptr;  // one reference, while registered
  FileDropHandlers handlers_;
  std::vector<Dropped> pending_;  // dropped, not yet handed over
};

}  // namespace win32
