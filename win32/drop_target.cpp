#include "win32/drop_target.h"

#include "win32/com_unknown.h"

#include <commctrl.h>
#include <ole2.h>

#include <utility>

#include "win32/system_boundary.h"

namespace win32 {
namespace {

constexpr UINT_PTR kSubclassId = 0x44524F50;  // "DROP"

// Posted to the window when a drop is kept, so that it is handed over from the message loop.
UINT HandOverMessage() {
  static const UINT message = RegisterWindowMessageW(L"Korvel Discfront file drop");
  return message;
}

FORMATETC FilesFormat() { return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

std::vector<std::wstring> PathsOf(IDataObject* data) {
  FORMATETC format = FilesFormat();
  STGMEDIUM medium{};
  if (data == nullptr || FAILED(data->GetData(&format, &medium))) return {};
  std::vector<std::wstring> paths;
  if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal != nullptr) {
    paths = DroppedPaths(static_cast<HDROP>(medium.hGlobal));
  }
  ReleaseStgMedium(&medium);
  return paths;
}

LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  return GuardWindowProcedure(hwnd, [&] { return reinterpret_cast<FileDrops*>(self)->Handle(hwnd, msg, wParam, lParam); });
}

}  // namespace

// The COM object the system calls while files are dragged over the window. Its owner
// may go before the last reference does (the drag's source can hold one): Detach
// leaves it answering "nothing can be dropped".
class OleFileDropTarget final : public ComUnknown<IDropTarget> {
 public:
  explicit OleFileDropTarget(FileDrops* owner) : owner_(owner) {}
  void Detach() { owner_ = nullptr; }

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL point, DWORD* effect) override {
    if (effect == nullptr) return E_INVALIDARG;
    return GuardComMethod([&] {
      FORMATETC format = FilesFormat();
      hasFiles_ = data != nullptr && data->QueryGetData(&format) == S_OK;
      *effect = Effect(point, *effect);
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL point, DWORD* effect) override {
    if (effect == nullptr) return E_INVALIDARG;
    return GuardComMethod([&] {
      *effect = Effect(point, *effect);
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    return GuardComMethod([&] {
      hasFiles_ = false;
      if (owner_ != nullptr && owner_->handlers_.leave) owner_->handlers_.leave();
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) override {
    if (effect == nullptr) return E_INVALIDARG;
    return GuardComMethod([&] {
      *effect = Effect(point, *effect);
      hasFiles_ = false;
      if (owner_ == nullptr) return S_OK;
      if (owner_->handlers_.leave) owner_->handlers_.leave();
      if (*effect == DROPEFFECT_NONE) return S_OK;
      std::vector<std::wstring> paths = PathsOf(data);
      if (paths.empty()) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
      }
      owner_->Keep({std::move(paths), POINT{point.x, point.y}});
      return S_OK;
    });
  }

 private:
  // A copy where the window takes the files: what was dragged stays where it was.
  DWORD Effect(POINTL point, DWORD allowed) const {
    if (owner_ == nullptr || !hasFiles_ || (allowed & DROPEFFECT_COPY) == 0) return DROPEFFECT_NONE;
    const bool takes = !owner_->handlers_.over || owner_->handlers_.over(POINT{point.x, point.y});
    return takes ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  }

  FileDrops* owner_;  // not owned
  bool hasFiles_ = false;
};

std::vector<std::wstring> DroppedPaths(HDROP drop) {
  std::vector<std::wstring> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    if (length == 0) continue;
    std::wstring path(length + 1, L'\0');
    const UINT read = DragQueryFileW(drop, i, path.data(), length + 1);
    path.resize(read);
    if (!path.empty()) paths.push_back(std::move(path));
  }
  return paths;
}

FileDrops::~FileDrops() {
  Revoke();
  if (window_ != nullptr) RemoveWindowSubclass(window_, &SubclassProc, kSubclassId);
}

bool FileDrops::Register(HWND window, FileDropHandlers handlers) {
  if (window_ != nullptr || window == nullptr) return false;
  if (!SetWindowSubclass(window, &SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) return false;
  window_ = window;
  handlers_ = std::move(handlers);
  auto* target = new OleFileDropTarget(this);
  if (SUCCEEDED(RegisterDragDrop(window, target))) {
    oleTarget_ = target;
  } else {
    // No OLE on this thread: the shell's older message still brings files from most sources.
    target->Detach();
    target->Release();
    DragAcceptFiles(window, TRUE);
  }
  return true;
}

void FileDrops::Keep(Dropped dropped) {
  pending_.push_back(std::move(dropped));
  PostMessageW(window_, HandOverMessage(), 0, 0);
}

void FileDrops::Revoke() {
  if (oleTarget_ == nullptr) return;
  RevokeDragDrop(window_);
  oleTarget_->Detach();
  oleTarget_->Release();
  oleTarget_ = nullptr;
}

LRESULT FileDrops::Handle(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == HandOverMessage()) {
    if (pending_.empty()) return 0;
    Dropped dropped = std::move(pending_.front());
    pending_.erase(pending_.begin());
    if (handlers_.drop) handlers_.drop(std::move(dropped.paths), dropped.screen);
    return 0;
  }
  switch (msg) {
    case WM_DROPFILES: {
      const auto drop = reinterpret_cast<HDROP>(wParam);
      std::vector<std::wstring> paths = DroppedPaths(drop);
      POINT point{};
      DragQueryPoint(drop, &point);
      ClientToScreen(window, &point);
      DragFinish(drop);
      if (!paths.empty() && handlers_.drop) handlers_.drop(std::move(paths), point);
      return 0;
    }
    case WM_DESTROY:
      // Revoked while the window is still there, as the system asks.
      Revoke();
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, &SubclassProc, kSubclassId);
      window_ = nullptr;
      break;
    default: break;
  }
  return DefSubclassProc(window, msg, wParam, lParam);
}

}  // namespace win32
