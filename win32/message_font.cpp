#include "win32/message_font.h"

#include "win32/display_dpi.h"

namespace win32 {

UniqueFont CreateMessageFont(int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!NonClientMetricsForDpi(metrics, dpi)) return UniqueFont();
  return UniqueFont(CreateFontIndirectW(&metrics.lfMessageFont));
}

HFONT FontOrDefault(HFONT font) {
  return font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

SIZE TextExtent(HFONT font, const std::wstring& text) {
  WindowDc screen(nullptr);
  SelectGuard select(screen.get(), FontOrDefault(font));
  SIZE size{};
  GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
  // One line of the font, whatever the text holds (an empty one too).
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.get(), &metrics);
  size.cy = metrics.tmHeight;
  return size;
}

}  // namespace win32
