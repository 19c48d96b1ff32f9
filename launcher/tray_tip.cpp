#include "launcher/tray_tip.h"

namespace discfront {
namespace {

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

std::wstring TrayTip(std::wstring_view text) {
  std::size_t units = 0;
  for (std::size_t characters = 0; units < text.size() && characters < kTrayTipLength; ++characters) {
    units += IsHighSurrogate(text[units]) && units + 1 < text.size() ? 2 : 1;
  }
  return std::wstring(text.substr(0, units));
}

}  // namespace discfront
