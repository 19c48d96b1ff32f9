// Property sets, the state machine and the redraw plan of ButtonEx.
#include "buttonex/button_model.h"

#include <algorithm>
#include <exception>
#include <limits>

#include "base/texts.h"
#include "buttonex/access_key.h"
#include "buttonex/buttonex_texts.h"

namespace discfront::buttonex {
namespace {

constexpr int kKeyReturn = 0x0D;
constexpr int kKeySpace = 0x20;

bool HasPicture(const PictureRef& p) { return p && p->Handle() != 0; }

// Converts between the two numeric kinds; anything else of the wrong kind is refused.
PropertyValue Coerce(Prop p, PropertyValue value) {
  const PropKind kind = KindOf(p);
  if (kind == PropKind::kColour && std::holds_alternative<std::int32_t>(value)) {
    return static_cast<Colour>(std::get<std::int32_t>(value));
  }
  if (kind == PropKind::kInt && std::holds_alternative<Colour>(value)) {
    return static_cast<std::int32_t>(std::get<Colour>(value));
  }
  const bool ok = (kind == PropKind::kInt && std::holds_alternative<std::int32_t>(value)) ||
                  (kind == PropKind::kColour && std::holds_alternative<Colour>(value)) ||
                  (kind == PropKind::kBool && std::holds_alternative<bool>(value)) ||
                  (kind == PropKind::kString && std::holds_alternative<std::wstring>(value)) ||
                  (kind == PropKind::kPicture && std::holds_alternative<PictureRef>(value)) ||
                  (kind == PropKind::kFont && std::holds_alternative<FontRef>(value));
  if (!ok) {
    const std::string_view name = NameOf(p);
    throw ButtonExError(ErrorNumber::kInvalidCall,
                        FormatText(kTextPropertyWrongKind, {std::wstring(name.begin(), name.end())}));
  }
  return value;
}

}  // namespace

ButtonModel::ButtonModel(ButtonHost& host) : host_(host) {
  for (int i = 0; i < kPropCount; ++i) values_[i] = LoadedDefault(static_cast<Prop>(i), nullptr);
}

void ButtonModel::InitProperties(const FontRef& ambientFont) {
  const RedrawBatch batch(*this);
  for (int i = 0; i < kPropCount; ++i) {
    const Prop p = static_cast<Prop>(i);
    Set(p, NewInstanceDefault(p, ambientFont));
  }
}

void ButtonModel::Set(Prop p, PropertyValue value) {
  values_[Index(p)] = Coerce(p, std::move(value));
  switch (p) {
    case Prop::kCaption:
      if (auto key = AccessKeyFromCaption(Caption())) accessKey_ = *key;
      host_.Apply(p);
      Redraw(state_);
      break;
    case Prop::kEnabled:
      host_.Apply(p);
      if (Enabled()) state_ = 1;
      Redraw(state_);
      break;
    case Prop::kHighlightPicture:
      Redraw(3);
      break;
    case Prop::kValue:
      Redraw(Value());
      break;
    case Prop::kMousePointer:
      if (MousePointer() < std::numeric_limits<std::int16_t>::min() ||
          MousePointer() > std::numeric_limits<std::int16_t>::max()) {
        throw ButtonExError(ErrorNumber::kOverflow, Text(kTextMousePointerOverflow));
      }
      host_.Apply(p);
      break;
    case Prop::kMouseIcon:
    case Prop::kToolTipText:
    case Prop::kWhatsThisHelpID:
      host_.Apply(p);
      break;
    case Prop::kPictureDisabled:
    case Prop::kPictureDown:
    case Prop::kPictureFocus:
    case Prop::kPictureOver:
      break;
    case Prop::kBackColor:
    case Prop::kForeColor:
    case Prop::kFont:
    case Prop::kRightToLeft:
      host_.Apply(p);
      Redraw(state_);
      break;
    default:
      Redraw(state_);
      break;
  }
  host_.PropertyChanged(p);
}

void ButtonModel::RaiseButtonEvent(std::string_view name, EventArgs args) {
  static constexpr ButtonEvent kAll[] = {
      ButtonEvent::kClick,      ButtonEvent::kKeyDown,   ButtonEvent::kKeyPress,  ButtonEvent::kKeyUp,
      ButtonEvent::kMouseDown,  ButtonEvent::kMouseEnter, ButtonEvent::kMouseExit, ButtonEvent::kMouseMove,
      ButtonEvent::kMouseUp,    ButtonEvent::kResize};
  const auto* found = std::find_if(std::begin(kAll), std::end(kAll), [&](ButtonEvent e) { return EventName(e) == name; });
  if (found == std::end(kAll)) return;
  args.event = *found;
  if (*found == ButtonEvent::kMouseExit) {
    if (lastHoverEvent_ == HoverEvent::kMouseExit) return;
    lastHoverEvent_ = HoverEvent::kMouseExit;
  } else if (*found == ButtonEvent::kMouseEnter) {
    if (lastHoverEvent_ == HoverEvent::kMouseEnter) return;
    lastHoverEvent_ = HoverEvent::kMouseEnter;
  }
  host_.Raise(args);
}

void ButtonModel::OnMouseDown(int button, int shift, int x, int y) {
  if (button == 1) {
    SetValue(state_ == 0 ? 1 : 0);
    Redraw(0);
  }
  RaiseButtonEvent("MouseDown", {ButtonEvent::kMouseDown, static_cast<std::int16_t>(button),
                                 static_cast<std::int16_t>(shift), TwipsX(x), TwipsY(y)});
}

void ButtonModel::OnMouseMove(int buttons, int shift, int x, int y) {
  if (host_.UserMode() && !watching_) {
    watching_ = true;
    host_.StartExitWatch();
  } else if (buttons == 0 && state_ != 2) {
    Redraw(2);
  } else if (buttons == 1 && state_ != 0) {
    Redraw(0);
  }
  if (x >= 0 && x <= size_.width && y >= 0 && y <= size_.height) {
    RaiseButtonEvent("MouseEnter", {});
    RaiseButtonEvent("MouseMove", {ButtonEvent::kMouseMove, static_cast<std::int16_t>(buttons),
                                   static_cast<std::int16_t>(shift), TwipsX(x), TwipsY(y)});
  }
}

void ButtonModel::OnMouseUp(int button, int shift, int x, int y) {
  if (button == 1) Redraw(1);
  RaiseButtonEvent("MouseUp", {ButtonEvent::kMouseUp, static_cast<std::int16_t>(button),
                               static_cast<std::int16_t>(shift), TwipsX(x), TwipsY(y)});
}

void ButtonModel::OnClick() { RaiseButtonEvent("Click", {}); }

void ButtonModel::OnPointerLeft() {
  if (!watching_) return;
  watching_ = false;
  RaiseButtonEvent("MouseExit", {});
  if (state_ != 1) Redraw(1);
}

void ButtonModel::OnKeyDown(int keyCode, int shift, bool repeat) {
  RaiseButtonEvent("KeyDown", {ButtonEvent::kKeyDown, static_cast<std::int16_t>(keyCode), static_cast<std::int16_t>(shift)});
  if (shift != 0 || repeat) return;
  if (keyCode == kKeyReturn) RaiseButtonEvent("Click", {});
  if (keyCode == kKeySpace) spaceArmed_ = true;
}

void ButtonModel::OnKeyPress(int keyAscii) {
  RaiseButtonEvent("KeyPress", {ButtonEvent::kKeyPress, static_cast<std::int16_t>(keyAscii)});
}

void ButtonModel::OnKeyUp(int keyCode, int shift) {
  RaiseButtonEvent("KeyUp", {ButtonEvent::kKeyUp, static_cast<std::int16_t>(keyCode), static_cast<std::int16_t>(shift)});
  if (keyCode != kKeySpace || !spaceArmed_) return;
  spaceArmed_ = false;
  RaiseButtonEvent("Click", {});
}

void ButtonModel::OnAccessKey() { RaiseButtonEvent("Click", {}); }

void ButtonModel::OnFocus(bool received) {
  cueVisible_ = received;
  hasFocus_ = received;
  if (!received) spaceArmed_ = false;
  Redraw(state_);
}

void ButtonModel::OnDisplayAsDefault(bool isDefault) {
  cueVisible_ = isDefault;
  Redraw(state_);
}

void ButtonModel::OnKeyboardCues(bool shown) {
  if (shown == keyboardCues_) return;
  keyboardCues_ = shown;
  Redraw(state_);
}

void ButtonModel::SetHighContrast(bool on) {
  if (on == highContrast_) return;
  highContrast_ = on;
  Redraw(state_);
}

void ButtonModel::OnResize(Size pixels) {
  size_ = pixels;
  Redraw(1);
  RaiseButtonEvent("Resize", {});
}

bool ButtonModel::Cue() const { return cueVisible_ && UserModeNow(); }

bool ButtonModel::UserModeNow() const {
  try {
    return host_.UserMode();
  } catch (...) {
    return false;
  }
}

void ButtonModel::Redraw(int state) {
  if (batchDepth_ > 0) {
    heldRedraw_ = state;
    return;
  }
  const bool cue = Cue();
  if (Style() == 1) {
    if (Value() == 0) {
      state = 0;
    } else if (state != 2) {
      state = 1;
    }
  }
  DrawPlan plan;
  if (!SkinUp() || Appearance() != 2 || highContrast_) {
    DrawFrame(plan, state, cue);
  } else {
    DrawSkin(plan, state, cue);
  }
  // The keyboard user sees where the focus is, whatever the appearance.
  if (hasFocus_ && keyboardCues_ && UserModeNow()) {
    plan.focusRect = true;
    plan.focus = {4, 4, size_.width - 4, size_.height - 4};
  }
  plan.state = state;
  plan.width = size_.width;
  plan.height = size_.height;
  plan.backColor = highContrast_ ? kButtonFace : BackColor();
  DrawPicture(plan, state);
  DrawCaption(plan, state);
  host_.Draw(plan);
}

void ButtonModel::DrawFrame(DrawPlan& plan, int state, bool cue) {
  plan.skinned = false;
  auto edge = [&plan](unsigned kind, unsigned flags) { plan.edges[plan.edgeCount++] = {kind, flags}; };
  const int appearance = highContrast_ ? 1 : Appearance();
  const bool framed = state == 0 || state == 2 || (state == 1 && appearance == 1);
  if (framed) {
    if (cue) edge(kBdrRaisedOuter | kBdrSunkenOuter, kBfRect | kBfAdjust | kBfMono);
    if (state == 0) {
      if (cue) {
        edge(kBdrSunkenOuter, kBfRect | kBfFlat);
      } else {
        edge(kEdgeSunken, kBfRect);
      }
    } else {
      edge(kEdgeRaised, kBfRect);
    }
    plan.focusRect = cue;
  } else if (state != 1) {
    plan.focusRect = cue;
  }
  plan.focus = {4, 4, size_.width - 4, size_.height - 4};
  state_ = state;
}

void ButtonModel::DrawSkin(DrawPlan& plan, int state, bool cue) {
  const int drawn = Enabled() ? state : 3;
  state_ = drawn;
  if (!Enabled()) {
    state = 3;
  } else if (cue && state == 1) {
    state = 4;
  }
  plan.skinned = true;
  PictureRef skin = SkinUp();
  const PictureRef* perState = nullptr;
  switch (state) {
    case 0: perState = &SkinDown(); break;
    case 2: perState = &SkinOver(); break;
    case 3: perState = &SkinDisabled(); break;
    case 4: perState = &SkinFocus(); break;
    default: break;
  }
  if (perState && *perState) skin = *perState;
  plan.skin = skin;
  if (!HasPicture(skin)) return;
  plan.maskColor = TransparentColor();
  plan.skinWidth = HimetricToPixels(skin->WidthHimetric(), host_.TwipsPerPixelX());
  plan.skinHeight = HimetricToPixels(skin->HeightHimetric(), host_.TwipsPerPixelY());
  const Size wanted = SkinSize(skin->WidthHimetric(), skin->HeightHimetric(), host_.TwipsPerPixelX(),
                               host_.TwipsPerPixelY());
  // The resize redraws the up state (OnResize); this redraw then goes on over it.
  // Skins of different sizes would resize back and forth, so nesting is bounded.
  if (wanted != size_ && resizeDepth_ < 2) {
    ++resizeDepth_;
    host_.ResizeTo(wanted);
    --resizeDepth_;
    state_ = drawn;
  }
}

void ButtonModel::DrawPicture(DrawPlan& plan, int state) {
  PictureRef picture = Picture();
  const PictureRef* perState = nullptr;
  switch (state) {
    case 0: perState = &PictureDown(); break;
    case 2: perState = &PictureOver(); break;
    case 3: perState = &PictureDisabled(); break;
    case 4: perState = &PictureFocus(); break;
    default: break;
  }
  if (perState && *perState) picture = *perState;
  if (!HasPicture(picture)) return;
  plan.pictureWidth = HimetricToPixels(picture->WidthHimetric(), host_.TwipsPerPixelX());
  plan.pictureHeight = HimetricToPixels(picture->HeightHimetric(), host_.TwipsPerPixelY());
  const Point at = PicturePosition(Appearance() == 2, size_.height, plan.pictureHeight, state,
                                   PictureOffsetX(), PictureOffsetY());
  pictureLeft_ = at.x;
  plan.picture = picture;
  plan.pictureLeft = at.x;
  plan.pictureTop = at.y;
  plan.keyColour = TransparentColor();
  if (HighlightPicture() && (state == 0 || state == 2 || (state == 1 && !Enabled()))) {
    plan.silhouette = true;
    plan.silhouetteColour = Enabled() ? HighlightColor() : kGrayText;
  }
}

void ButtonModel::DrawCaption(DrawPlan& plan, int state) {
  plan.captionColour = ForeColor();
  if (state == 2 || (state == 0 && lastHoverEvent_ != HoverEvent::kMouseExit)) plan.captionColour = HighlightColor();
  if (highContrast_) plan.captionColour = kButtonText;
  const Size text = host_.MeasureCaption(Caption(), Font());
  CaptionInput in;
  in.scaleWidth = size_.width;
  in.scaleHeight = size_.height;
  in.textWidth = text.width;
  in.textHeight = text.height;
  in.state = state;
  in.pictureNotNone = static_cast<bool>(Picture());
  in.pictureShown = static_cast<bool>(plan.picture);
  in.pictureLeft = pictureLeft_;
  in.pictureWidth = plan.pictureWidth;
  in.offsetX = CaptionOffsetX();
  in.offsetY = CaptionOffsetY();
  const Point at = CaptionPosition(in);
  plan.caption = Caption();
  plan.captionX = at.x;
  plan.captionY = at.y;
  plan.captionFlags = kDstPrefixText;
  if (!Enabled()) plan.captionFlags |= kDssDisabled;
  if (RightToLeft()) plan.captionFlags |= kDssRight;
  plan.font = Font();
}

RedrawBatch::RedrawBatch(ButtonModel& model) : model_(model), exceptions_(std::uncaught_exceptions()) {
  ++model_.batchDepth_;
}

RedrawBatch::~RedrawBatch() noexcept(false) {
  if (--model_.batchDepth_ > 0) return;
  const int held = model_.heldRedraw_;
  model_.heldRedraw_ = -1;
  if (held >= 0 && std::uncaught_exceptions() == exceptions_) model_.Redraw(held);
}

}  // namespace discfront::buttonex
