// Helpers of the button's window tests under Wine: a recording container window,
// bitmaps made in memory, and pixel reading.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "buttonex/button_ex.h"
#include "win32/picture.h"

namespace discfront::buttonex::testing {

// A 24-bit BMP file of w x h pixels (colour(x, y) gives each), decoded by the system's loader.
using win32::MakeBitmapPicture;

// A visible top-level window that hosts buttons and records what they report.
class Container {
 public:
  Container();
  ~Container();
  Container(const Container&) = delete;
  Container& operator=(const Container&) = delete;

  HWND hwnd() const { return hwnd_; }
  ButtonEx* Add(int id, int x, int y, const PropertyBag* saved = nullptr);
  void Pump();  // handles the messages waiting

  std::vector<ButtonEvent> events;
  int commandClicks = 0;
  // A handler run after each event (BN_CLICKED: no event) is recorded.
  std::function<void(HWND from, std::optional<ButtonEvent> event)> react;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

std::string Hex(COLORREF c);
std::wstring TestDataPath(const wchar_t* name);

}  // namespace discfront::buttonex::testing
