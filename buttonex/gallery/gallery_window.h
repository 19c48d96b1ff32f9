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

// Answered with the processor time the gallery has used, in microseconds, so that a
// benchmark can read it (another process's times are not available under Wine).
constexpr UINT kGalleryCpuQuery = WM_APP + 1;
// Answered with the number of messages the gallery's thread has taken from its queue:
// each one is a wake-up of the thread (timer ticks included). Messages sent from other
// threads, this query among them, are handled without being taken and are not counted.
constexpr UINT kGalleryWakeUpQuery = WM_APP + 2;

inline constexpr wchar_t kGalleryClass[] = L"KorvelDiscfront.ButtonExGallery";
inline constexpr wchar_t kGalleryTitle[] = L"Галерея ButtonEx";

class GalleryWindow : public win32::Window<GalleryWindow> {
 public:
  bool Create(bool pollExit);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  // The message loop reports each message it takes from the queue.
  void CountWakeUp() { ++wakeUps_; }

 private:
  void AddButtons(bool pollExit);
  void Log(const std::wstring& line);
  std::wstring NameOf(UINT_PTR id) const;

  HWND log_ = nullptr;  // owned by the window
  std::vector<std::pair<int, std::wstring>> names_;
  LRESULT wakeUps_ = 0;
};

}  // namespace discfront::buttonex::gallery
