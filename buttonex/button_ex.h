// ButtonEx as a Win32 child control: its own window class, the model's properties
// behind a C++ interface, events delivered to the parent as notifications.
//
// Events reach the parent as WM_NOTIFY with an NmButtonEx (code ButtonExCode(event)),
// and Click also as WM_COMMAND with BN_CLICKED, so that a dialog treats the control
// like a button. A property set sends kBxnPropertyChanged with NmButtonExProperty.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "buttonex/button_model.h"
#include "win32/handles.h"

namespace discfront::buttonex {

inline constexpr wchar_t kButtonExClass[] = L"KorvelDiscfront.ButtonEx";

constexpr UINT kBxnFirst = 0U - 2900U;
constexpr UINT ButtonExCode(ButtonEvent e) { return kBxnFirst - static_cast<UINT>(e); }
constexpr UINT kBxnPropertyChanged = kBxnFirst - 10;

struct NmButtonEx {
  NMHDR hdr;
  EventArgs args;  // a copy: changing it changes nothing for the control
};

struct NmButtonExProperty {
  NMHDR hdr;
  Prop prop;
};

// How the pointer's leaving is noticed: the window system's leave notification, or
// (kept only to measure what it saves) a 1 ms timer polling the window under the pointer.
enum class ExitWatch { kLeaveNotification, kPoll };

class ButtonEx final : private ButtonHost {
 public:
  // Creates the control at (x, y) in the parent's client area with the design size
  // of a new control and the properties of a new instance.
  static ButtonEx* Create(HWND parent, int id, int x, int y);
  // The same with the properties of a saved form (which may throw ButtonExError;
  // nothing is created then). Kept apart so that a program which never reads saved
  // forms does not link their text parser and the C library's number formatting.
  static ButtonEx* Create(HWND parent, int id, int x, int y, const PropertyBag& saved);
  // The control of a window of the class, else null.
  static ButtonEx* FromWindow(HWND hwnd);

  HWND hwnd() const { return hwnd_; }
  // Property get and set: Props().SetCaption(L"&Выход"), Props().SkinUp(), ...
  ButtonModel& Props() { return model_; }
  const ButtonModel& Props() const { return model_; }
  void WriteProperties(PropertyBag& bag) const;

  // The container's default button changed (for containers that are not dialogs).
  void SetDisplayAsDefault(bool isDefault);
  bool IsDefault() const { return isDefault_; }
  // Takes over the system's high-contrast mode and colours again: for the container to
  // call on WM_SETTINGCHANGE and WM_SYSCOLORCHANGE, which only top-level windows get.
  void RefreshSystemLook();
  // True at run time (the default); false shows the control as a designer does.
  void SetUserMode(bool userMode) { userMode_ = userMode; }
  void SetExitWatch(ExitWatch watch) { exitWatch_ = watch; }
  // The resolution the control is shown at (its parent's when created): twips and the
  // caption's font follow it. A skinned control keeps its skins' pixel size, so its
  // host gives it skins drawn for the resolution.
  void SetDpi(int dpi);

  // Copies the current look onto hdc, as WM_PAINT and WM_PRINTCLIENT do.
  void Paint(HDC hdc) const;
  // The control's surface, holding the look last drawn.
  HDC SurfaceDc() const { return surfaceDc_.get(); }

  // For a host's message loop: Alt with a letter, or the letter alone when the
  // focused window takes no characters, clicks the ButtonEx of the same top-level
  // window whose access key it is. True when the message was used.
  static bool TranslateAccessKey(const MSG& msg);

  // The container's ambient font.
  static FontRef AmbientFont(HWND parent);

 private:
  explicit ButtonEx(HWND parent);
  void UseDpi(int dpi);
  ~ButtonEx() override = default;
  static bool Register();
  // The window with its model's surroundings set, before any property is.
  static ButtonEx* CreateWindowOnly(HWND parent, int id, int x, int y);
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  // Runs work on the object so that a container destroying the control meanwhile
  // cannot free it under the work; a failure is kept for the program's main.
  template <typename Work>
  void Guarded(Work&& work);
  LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);
  void OnButtonDown(int button, WPARAM keys, LPARAM lParam);
  void OnButtonUp(int button, WPARAM keys, LPARAM lParam);
  void OnMouseMove(WPARAM keys, LPARAM lParam);
  bool PointerOverMe() const;
  bool PointerOverMe(POINT screen) const;
  HFONT CaptionFont();
  void UpdateRegion(const DrawPlan& plan);
  win32::UniqueRegion BuildSkinRegion(const DrawPlan& plan, COLORREF key);
  void Notify(UINT code, NMHDR& hdr) const;
  void TakeKeyboardCues();
  // Tells accessibility clients when what they read of the button has changed.
  void ReportStateChange();

  // ButtonHost
  void Draw(const DrawPlan& plan) override;
  void Raise(const EventArgs& args) override;
  void PropertyChanged(Prop p) override;
  void Apply(Prop p) override;
  void StartExitWatch() override;
  bool UserMode() const override { return userMode_; }
  Size MeasureCaption(const std::wstring& caption, const FontRef& font) override;
  void ResizeTo(Size pixels) override;
  double TwipsPerPixelX() const override { return twipsPerPixelX_; }
  double TwipsPerPixelY() const override { return twipsPerPixelY_; }

  HWND hwnd_ = nullptr;  // owns this object: deleted at WM_NCDESTROY
  HWND parent_;          // not owned
  ButtonModel model_{*this};
  bool userMode_ = true;
  bool isDefault_ = false;
  ExitWatch exitWatch_ = ExitWatch::kLeaveNotification;
  int busy_ = 0;  // messages being handled, nested
  bool destroyed_ = false;
  int buttonsDown_ = 0;     // mouse buttons pressed on the control and not yet released
  bool leftPressed_ = false;
  double twipsPerPixelX_ = 15;
  double twipsPerPixelY_ = 15;
  int dpiY_ = 96;
  std::uint32_t reportedState_ = 0;  // the accessible state bits clients were last told of

  win32::UniqueBitmap surfaceBitmap_;
  win32::MemoryDc surfaceDc_;
  Size surfaceSize_;
  HGDIOBJ originalBitmap_ = nullptr;  // not owned: the surface DC's own

  FontRef fontOf_;  // the font object the HFONT was made from
  win32::UniqueFont font_;

  // Regions built from skins, kept so that changing between skins of one shape (the
  // usual case: up, over, down) neither rebuilds nor resets the window's region.
  struct SkinRegion {
    std::weak_ptr<PictureObject> skin;
    COLORREF key = 0;
    win32::UniqueRegion region;
  };
  std::vector<SkinRegion> skinRegions_;
  int shownRegion_ = -1;  // index of the one the window has now, -1 for none

  // Owned: a popup whose owner the system makes the button's top-level window, so it
  // would outlive the button; destroyed at the button's WM_DESTROY.
  HWND toolTip_ = nullptr;
};

}  // namespace discfront::buttonex
