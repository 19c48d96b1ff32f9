#include "uidriver/drag_files.h"

#include <ole2.h>
#include <shlobj.h>

#include <atomic>
#include <cstring>
#include <stdexcept>
#include <thread>

#include "uidriver/input.h"
#include "win32/com_unknown.h"
#include "uidriver/wait.h"

namespace uidriver {
namespace {

// The paths as a DROPFILES block: wide names, each ended by a null, and a null after the last.
HGLOBAL FileList(const std::vector<std::wstring>& paths) {
  std::wstring names;
  for (const std::wstring& path : paths) names += path + L'\0';
  names += L'\0';
  const std::size_t bytes = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  if (memory == nullptr) return nullptr;
  auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
  files->pFiles = sizeof(DROPFILES);
  files->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return memory;
}


class FileData final : public win32::ComUnknown<IDataObject> {
 public:
  explicit FileData(std::vector<std::wstring> paths) : paths_(std::move(paths)) {}

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (format == nullptr || medium == nullptr) return E_INVALIDARG;
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = FileList(paths_);
    medium->pUnkForRelease = nullptr;
    return medium->hGlobal != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    if (format == nullptr) return E_INVALIDARG;
    const bool files = format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) != 0 &&
                       format->dwAspect == DVASPECT_CONTENT;
    return files ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    if (out != nullptr) out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
    if (direction != DATADIR_GET) return E_NOTIMPL;
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return SHCreateStdEnumFmtEtc(1, &format, formats);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  std::vector<std::wstring> paths_;
};

// Drops when the button comes up; reports that the drag runs and what the target answers.
class ButtonSource final : public win32::ComUnknown<IDropSource> {
 public:
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
    dragging = true;
    if (escape) return DRAGDROP_S_CANCEL;
    return (keys & MK_LBUTTON) == 0 ? DRAGDROP_S_DROP : S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
    lastEffect = effect;
    return DRAGDROP_S_USEDEFAULTCURSORS;
  }

  std::atomic<bool> dragging = false;
  std::atomic<DWORD> lastEffect = DROPEFFECT_NONE;
};


// The place the drag starts from: a small window of the driver's own under the pointer.
// Not a static control: that lets the press through to whatever lies below it.
HWND SourceWindow(POINT at) {
  constexpr int kSide = 24;
  constexpr wchar_t kClass[] = L"UiDriverDragSource";
  WNDCLASSW wc{};
  wc.lpfnWndProc = &DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kClass;
  RegisterClassW(&wc);  // fails harmlessly when registered by an earlier drag
  return CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClass, L"", WS_POPUP | WS_VISIBLE | WS_BORDER,
                         at.x - kSide / 2, at.y - kSide / 2, kSide, kSide, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

DWORD DragFiles(const std::vector<std::wstring>& paths, POINT screenFrom, POINT screenTo,
                std::chrono::steady_clock::time_point* released) {
  // OLE stays on for the thread from its first drag on, as in a program that drags.
  static thread_local const HRESULT ole = OleInitialize(nullptr);
  if (FAILED(ole)) throw std::runtime_error("DragFiles: OLE could not be started");
  HWND source = SourceWindow(screenFrom);
  auto* data = new FileData(paths);
  auto* button = new ButtonSource();
  MoveMouse(screenFrom);
  MouseDown();
  // DoDragDrop reads the button from this thread's own input state and drops at once
  // where it is up: the press (on the source window, this thread's) is taken in first.
  WaitUntil([] {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    return (GetKeyState(VK_LBUTTON) & 0x8000) != 0;
  }, Milliseconds{3000});
  // The pointer moves while DoDragDrop runs its own loop on this thread.
  std::thread mover([button, screenFrom, screenTo, released] {
    WaitUntil([button] { return button->dragging.load(); }, Milliseconds{5000});
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i) {
      MoveMouse({screenFrom.x + (screenTo.x - screenFrom.x) * i / kSteps,
                 screenFrom.y + (screenTo.y - screenFrom.y) * i / kSteps});
    }
    // Released once the target has answered over the point (or has had the time to).
    WaitUntil([button] { return button->lastEffect.load() != DROPEFFECT_NONE; }, Milliseconds{2000});
    if (released != nullptr) *released = std::chrono::steady_clock::now();
    MouseUp();
  });
  DWORD effect = DROPEFFECT_NONE;
  const HRESULT result = DoDragDrop(data, button, DROPEFFECT_COPY, &effect);
  mover.join();
  button->Release();
  data->Release();
  DestroyWindow(source);
  return result == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

}  // namespace uidriver
