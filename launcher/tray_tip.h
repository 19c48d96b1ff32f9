// The notification icon's tip: the first 63 characters of a text, which is all the
// notification area promises to show.
#pragma once

#include <string>
#include <string_view>

namespace discfront {

inline constexpr std::size_t kTrayTipLength = 63;

// The first 63 characters of `text`. A character outside the basic plane (two UTF-16
// units) is kept whole or left out whole, never cut in half.
std::wstring TrayTip(std::wstring_view text);

}  // namespace discfront
