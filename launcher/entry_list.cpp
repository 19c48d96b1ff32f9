#include "launcher/entry_list.h"

#include <algorithm>
#include <string>

namespace discfront {
namespace {

constexpr int kTextIndent = 1;  // where the system's list starts its text
constexpr int kShieldGap = 2;   // between the shield and the title
constexpr int kIconGap = 3;     // between the icon and what follows it

}  // namespace

void EntryList::Measure(MEASUREITEMSTRUCT& item, HFONT font, int minimumHeight) {
  HDC dc = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  item.itemHeight = static_cast<UINT>(std::max<LONG>({metrics.tmHeight, minimumHeight, 1}));
}

void EntryList::SetShields(std::vector<bool> shields, int itemHeight) {
  shields_ = std::move(shields);
  if (std::find(shields_.begin(), shields_.end(), true) == shields_.end()) return;
  // The system's shield in its small size, drawn at the line's height; a shared icon,
  // which the system keeps.
  shieldSize_ = std::max(itemHeight, 1);
  shield_ = static_cast<HICON>(LoadImageW(nullptr, IDI_SHIELD, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                          GetSystemMetrics(SM_CYSMICON), LR_SHARED));
}

void EntryList::SetItemHeight(int itemHeight) {
  if (shield_) shieldSize_ = std::max(itemHeight, 1);
}

void EntryList::ShowIconColumn(std::size_t count, int size) {
  if (size != iconSize_) icons_.clear();
  icons_.resize(count);
  iconSize_ = size;
}

void EntryList::SetIcon(std::size_t item, win32::UniqueIcon icon) {
  if (item < icons_.size()) icons_[item] = std::move(icon);
}

void EntryList::Draw(const DRAWITEMSTRUCT& item) const {
  HDC dc = item.hDC;
  const RECT& box = item.rcItem;
  const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
  if (item.itemID != static_cast<UINT>(-1)) {
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    SetBkColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const auto length = SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
    std::wstring title(static_cast<std::size_t>(std::max<LRESULT>(length, 0)), L'\0');
    if (length > 0) SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(title.data()));
    const int iconColumn = iconSize_ > 0 ? iconSize_ + kIconGap : 0;
    const int shieldColumn = shieldSize_ > 0 ? shieldSize_ + kShieldGap : 0;
    // Lines as tall as the icons carry their titles in the middle.
    int textTop = box.top;
    if (iconSize_ > 0) {
      TEXTMETRICW metrics{};
      GetTextMetricsW(dc, &metrics);
      textTop += std::max<LONG>(box.bottom - box.top - metrics.tmHeight, 0) / 2;
    }
    ExtTextOutW(dc, box.left + kTextIndent + iconColumn + shieldColumn, textTop, ETO_OPAQUE | ETO_CLIPPED, &box,
                title.c_str(), static_cast<UINT>(title.size()), nullptr);
    if (item.itemID < icons_.size() && icons_[item.itemID]) {
      DrawIconEx(dc, box.left + kTextIndent, box.top + (box.bottom - box.top - iconSize_) / 2,
                 icons_[item.itemID].get(), iconSize_, iconSize_, 0, nullptr, DI_NORMAL);
    }
    if (item.itemID < shields_.size() && shields_[item.itemID] && shield_) {
      DrawIconEx(dc, box.left + kTextIndent + iconColumn, box.top + (box.bottom - box.top - shieldSize_) / 2, shield_,
                 shieldSize_, shieldSize_, 0, nullptr, DI_NORMAL);
    }
  }
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &box);
  SelectObject(dc, oldFont);
}

}  // namespace discfront
