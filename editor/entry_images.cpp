#include "entry_images.h"

#include <shellapi.h>
#include <shlobj.h>

#include <iterator>

#include "win32/display_dpi.h"
#include "win32/handles.h"

namespace discfront::editor {
namespace {

struct SystemIcon {
  StatusIcon status;
  SHSTOCKICONID stock;
  WORD resource;  // IDI_ERROR, IDI_WARNING, IDI_SHIELD, IDI_INFORMATION
};
// In the order of their images, from image 0.
constexpr SystemIcon kStatusIcons[] = {
    {StatusIcon::kError, SIID_ERROR, 32513},
    {StatusIcon::kWarning, SIID_WARNING, 32515},
    {StatusIcon::kShield, SIID_SHIELD, 32518},
    {StatusIcon::kInformation, SIID_INFO, 32516},
};
constexpr int kFirstRowImage = static_cast<int>(std::size(kStatusIcons));

// The system's icon drawn for `size` pixels: the shell's stock icon from where it lies,
// else the system's own at that size, else its own scaled.
win32::UniqueIcon StatusIconAt(const SystemIcon& icon, int size) {
  SHSTOCKICONINFO stock{};
  stock.cbSize = sizeof stock;
  HICON made = nullptr;
  if (SUCCEEDED(SHGetStockIconInfo(icon.stock, SHGSI_ICONLOCATION, &stock)) && stock.szPath[0] != L'\0' &&
      SHDefExtractIconW(stock.szPath, stock.iIcon, 0, &made, nullptr, static_cast<UINT>(size)) == S_OK &&
      made != nullptr) {
    return win32::UniqueIcon(made);
  }
  // The common controls' own call for it (version 6) is looked up: the import library
  // knows only the older version's calls.
  using ScaleDownFunction = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
  static const auto scaleDown = reinterpret_cast<ScaleDownFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "LoadIconWithScaleDown")));
  if (scaleDown != nullptr && SUCCEEDED(scaleDown(nullptr, MAKEINTRESOURCEW(icon.resource), size, size, &made))) {
    return win32::UniqueIcon(made);
  }
  // The system's icons load only shared; the list gets its own copy of the shared one.
  const auto shared = static_cast<HICON>(
      LoadImageW(nullptr, MAKEINTRESOURCEW(icon.resource), IMAGE_ICON, size, size, LR_SHARED));
  return win32::UniqueIcon(shared != nullptr ? CopyIcon(shared) : nullptr);
}

}  // namespace

EntryImages::~EntryImages() {
  if (list_ != nullptr) ImageList_Destroy(list_);
}

bool EntryImages::Rebuild(int dpi, const EntryStatusResult* result) {
  const int size = win32::SystemMetricForDpi(SM_CXSMICON, dpi);
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, kFirstRowImage, 16);
  if (list == nullptr) return false;
  if (list_ != nullptr) ImageList_Destroy(list_);
  list_ = list;
  size_ = size;
  rows_.clear();
  AddStatusIcons();
  if (result != nullptr) SetRows(*result);
  return true;
}

void EntryImages::AddStatusIcons() {
  for (const SystemIcon& icon : kStatusIcons) {
    const win32::UniqueIcon drawn = StatusIconAt(icon, size_);
    // An image in its place even without an icon, so that the indexes stay fixed.
    if (!drawn || ImageList_ReplaceIcon(list_, -1, drawn.get()) < 0) {
      ImageList_SetImageCount(list_, static_cast<UINT>(ImageList_GetImageCount(list_) + 1));
    }
  }
}

void EntryImages::SetRows(const EntryStatusResult& result) {
  if (list_ == nullptr) return;
  ImageList_SetImageCount(list_, kFirstRowImage);
  rows_.assign(result.icons.size(), -1);
  for (std::size_t row = 0; row < result.icons.size(); ++row) {
    // The list keeps a copy, drawn at its own size.
    if (result.icons[row]) rows_[row] = ImageList_ReplaceIcon(list_, -1, result.icons[row].get());
  }
}

int EntryImages::ImageOf(StatusIcon icon) const {
  for (int image = 0; image < kFirstRowImage; ++image) {
    if (kStatusIcons[image].status == icon) return image;
  }
  return -1;
}

int EntryImages::ImageOfRow(int row) const {
  return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)] : -1;
}

}  // namespace discfront::editor
