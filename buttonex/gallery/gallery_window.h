// The gallery: ButtonEx in every kind, with a log of the events each one raises.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "buttonex/button_ex.h"
#include "win32/window.h"

namespace discfront::buttonex::gallery {

// Control ids, for tests that drive the gallery.
enum GalleryId : int {
  kIdFlat = 101,
  kId3D,
  kIdSkin,
  kIdNoSkin,
  kIdToggle,
  kIdPicture,
  kIdDisabled,
  kIdHighlight,
  kIdRightToLeft,
  kIdAccessKey,
  kIdSkinDisabled,
  kIdLog = 200,
};

inline constexpr wchar_t kGalleryClass[] = L"KorvelDiscfront.ButtonExGallery";
inline constexpr wchar_t kGalleryTitle[] = L"Галерея ButtonEx";

class GalleryWindow : public win32::Window<GalleryWindow> {
 public:
  bool Create(bool pollExit);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  void AddButtons(bool pollExit);
  void Log(const std::wstring& line);
  std::wstring NameOf(UINT_PTR id) const;

  HWND log_ = nullptr;  // owned by the window
  std::vector<std::pair<int, std::wstring>> names_;
};

}  // namespace discfront::buttonex::gallery
