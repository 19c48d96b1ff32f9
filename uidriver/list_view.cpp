#include "list_view.h"

#include <commctrl.h>

#include <cstddef>

#include "controls.h"

namespace uidriver {
namespace {

// Memory in the process of a window, freed with it.
class LentMemory {
 public:
  LentMemory(HWND window, std::size_t size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_ != nullptr) memory_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  }
  ~LentMemory() {
    if (memory_ != nullptr) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
    if (process_ != nullptr) CloseHandle(process_);
  }
  LentMemory(const LentMemory&) = delete;
  LentMemory& operator=(const LentMemory&) = delete;

  bool ok() const { return memory_ != nullptr; }
  char* at(std::size_t offset) const { return static_cast<char*>(memory_) + offset; }
  bool Write(std::size_t offset, const void* data, std::size_t size) const {
    return WriteProcessMemory(process_, at(offset), data, size, nullptr) != FALSE;
  }
  bool Read(std::size_t offset, void* data, std::size_t size) const {
    return ReadProcessMemory(process_, at(offset), data, size, nullptr) != FALSE;
  }

 private:
  HANDLE process_ = nullptr;
  void* memory_ = nullptr;
};

constexpr int kTextChars = 1024;

}  // namespace

std::vector<std::vector<std::wstring>> ListViewRows(HWND list, int columns) {
  std::vector<std::vector<std::wstring>> rows;
  LentMemory memory(list, sizeof(LVITEMW) + kTextChars * sizeof(wchar_t));
  if (!memory.ok()) return rows;
  const int count = static_cast<int>(Send(list, LVM_GETITEMCOUNT));
  for (int row = 0; row < count; ++row) {
    std::vector<std::wstring>& cells = rows.emplace_back();
    for (int column = 0; column < columns; ++column) {
      LVITEMW item{};
      item.iSubItem = column;
      item.pszText = reinterpret_cast<wchar_t*>(memory.at(sizeof(LVITEMW)));
      item.cchTextMax = kTextChars;
      memory.Write(0, &item, sizeof(item));
      const auto length = static_cast<std::size_t>(Send(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(memory.at(0))));
      std::wstring text(length, L'\0');
      if (length > 0) memory.Read(sizeof(LVITEMW), text.data(), length * sizeof(wchar_t));
      cells.push_back(std::move(text));
    }
  }
  return rows;
}

std::vector<int> ListViewSelection(HWND list) {
  std::vector<int> rows;
  for (int k = static_cast<int>(Send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)); k >= 0;
       k = static_cast<int>(Send(list, LVM_GETNEXTITEM, k, LVNI_SELECTED))) {
    rows.push_back(k);
  }
  return rows;
}

int ListViewFocus(HWND list) {
  return static_cast<int>(Send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

RECT ListViewRowRect(HWND list, int row) {
  RECT rect{};
  LentMemory memory(list, sizeof(RECT));
  if (!memory.ok()) return rect;
  Send(list, LVM_ENSUREVISIBLE, row, FALSE);
  rect.left = LVIR_BOUNDS;
  memory.Write(0, &rect, sizeof(rect));
  if (Send(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(memory.at(0))) == 0) return RECT{};
  memory.Read(0, &rect, sizeof(rect));
  MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace uidriver
