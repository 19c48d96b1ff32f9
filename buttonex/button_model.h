// ButtonEx without a window: the property store with every side effect of a set,
// loading and saving, the state machine of mouse, keyboard and focus, and the plan
// of each redraw. The window turns messages into calls here and carries out what
// the model asks of its host.
#pragma once

#include <string>
#include <string_view>

#include "buttonex/button_events.h"
#include "buttonex/draw_plan.h"
#include "buttonex/layout.h"
#include "buttonex/property_bag.h"

namespace discfront::buttonex {

// The design size of a new control: 1200 x 360 twips.
constexpr double kInitialWidthTwips = 1200;
constexpr double kInitialHeightTwips = 360;

class ButtonHost {
 public:
  virtual ~ButtonHost() = default;
  virtual void Draw(const DrawPlan& plan) = 0;
  virtual void Raise(const EventArgs& args) = 0;
  // The container's saved form is out of date.
  virtual void PropertyChanged(Prop p) = 0;
  // A property the window carries itself changed (Enabled, MousePointer, MouseIcon,
  // ToolTipText, WhatsThisHelpID, Caption and its access key, ...): take it over.
  virtual void Apply(Prop p) = 0;
  // Starts watching for the pointer's leaving; the host calls OnPointerLeft once
  // when it finds the pointer elsewhere, and then watches no more.
  virtual void StartExitWatch() = 0;
  // True at run time, false in a designer. May throw: then there is no cue.
  virtual bool UserMode() const = 0;
  // TextWidth and TextHeight of the caption in the font.
  virtual Size MeasureCaption(const std::wstring& caption, const FontRef& font) = 0;
  // Resizes the control; when the size changes the host calls OnResize.
  virtual void ResizeTo(Size pixels) = 0;
  virtual double TwipsPerPixelX() const { return 15; }
  virtual double TwipsPerPixelY() const { return 15; }
};

enum class HoverEvent { kNone, kMouseEnter, kMouseExit };

class ButtonModel {
 public:
  explicit ButtonModel(ButtonHost& host);
  ButtonModel(const ButtonModel&) = delete;
  ButtonModel& operator=(const ButtonModel&) = delete;

  // Lifecycle: one of InitProperties (a new control) or ReadProperties (a saved one).
  void InitProperties(const FontRef& ambientFont);
  // Reads every key in the order of a new instance, the absent ones as their
  // loaded defaults. Throws ButtonExError for a value of the wrong kind.
  void ReadProperties(const PropertyBag& bag, const FontRef& ambientFont);
  void WriteProperties(PropertyBag& bag, const FontRef& ambientFont) const;

  const PropertyValue& Get(Prop p) const { return values_[Index(p)]; }
  // Stores the value, does the property's side effect, then reports the change.
  // A value of the wrong kind throws error 5 and stores nothing; a MousePointer
  // outside 16 bits is stored and then throws error 6.
  void Set(Prop p, PropertyValue value);

#define BUTTONEX_ACCESSORS(name, kind, type)                                   \
  const type& name() const { return std::get<type>(values_[Index(Prop::k##name)]); } \
  void Set##name(type value) { Set(Prop::k##name, PropertyValue(std::move(value))); }
  BUTTONEX_PROPERTIES(BUTTONEX_ACCESSORS)
#undef BUTTONEX_ACCESSORS

  // Input from the window: positions in pixels from the top left corner.
  void OnMouseDown(int button, int shift, int x, int y);
  void OnMouseMove(int buttons, int shift, int x, int y);
  void OnMouseUp(int button, int shift, int x, int y);
  void OnClick();        // a press and release over the control
  void OnPointerLeft();  // the exit watch found the pointer elsewhere
  // Enter (pressed, not repeated) and Space (released after its press here), without
  // Shift, Ctrl or Alt, click the button as they click a push button of the system.
  void OnKeyDown(int keyCode, int shift, bool repeat = false);
  void OnKeyPress(int keyAscii);
  void OnKeyUp(int keyCode, int shift);
  void OnAccessKey();
  void OnFocus(bool received);
  void OnDisplayAsDefault(bool isDefault);
  // Keyboard cues shown (the user works with the keyboard): a focused button then shows
  // a focus rectangle in every appearance.
  void OnKeyboardCues(bool shown);
  // High contrast: no skins; the button draws as a raised button in system colours.
  void SetHighContrast(bool on);
  bool HighContrast() const { return highContrast_; }
  void OnResize(Size pixels);

  // Draws the state now, or, inside a RedrawBatch, when the batch ends.
  void Redraw(int state);
  // The single way out for events; unknown names raise nothing, and MouseEnter /
  // MouseExit are raised only when the other one (or nothing) came last.
  void RaiseButtonEvent(std::string_view name, EventArgs args);

  int State() const { return state_; }
  bool CueVisible() const { return cueVisible_; }
  bool HasFocus() const { return hasFocus_; }
  HoverEvent LastHoverEvent() const { return lastHoverEvent_; }
  bool Watching() const { return watching_; }
  const std::wstring& AccessKey() const { return accessKey_; }
  Size ControlSize() const { return size_; }

 private:
  bool Cue() const;
  bool UserModeNow() const;
  void DrawFrame(DrawPlan& plan, int state, bool cue);
  void DrawSkin(DrawPlan& plan, int state, bool cue);
  void DrawPicture(DrawPlan& plan, int state);
  void DrawCaption(DrawPlan& plan, int state);
  float TwipsX(int x) const { return static_cast<float>(PixelsToTwips(x, host_.TwipsPerPixelX())); }
  float TwipsY(int y) const { return static_cast<float>(PixelsToTwips(y, host_.TwipsPerPixelY())); }

  ButtonHost& host_;
  std::array<PropertyValue, kPropCount> values_{};
  int state_ = 0;
  bool cueVisible_ = false;
  bool hasFocus_ = false;
  bool keyboardCues_ = false;
  bool highContrast_ = false;
  bool spaceArmed_ = false;  // Space went down on the control; its release clicks
  HoverEvent lastHoverEvent_ = HoverEvent::kNone;
  bool watching_ = false;  // the exit watch runs
  std::wstring accessKey_;
  Size size_;
  int resizeDepth_ = 0;
  friend class RedrawBatch;
  int batchDepth_ = 0;
  int heldRedraw_ = -1;  // the state the last redraw held back by a batch asked for
  // Where the picture surface was last placed; the caption is centred beside it.
  int pictureLeft_ = 0;
};

// Holds back a run of property changes' redraws (each one a full paint of the surface)
// and draws once, the last state asked for, when the outermost batch ends: what is
// drawn is then what the last of them would have drawn. Ended by an exception, the
// held redraw is dropped.
class RedrawBatch {
 public:
  explicit RedrawBatch(ButtonModel& model);
  RedrawBatch(const RedrawBatch&) = delete;
  RedrawBatch& operator=(const RedrawBatch&) = delete;
  ~RedrawBatch() noexcept(false);

 private:
  ButtonModel& model_;
  int exceptions_;
};

}  // namespace discfront::buttonex
