// The ButtonEx window: messages in, model calls, the plan drawn on the surface.
#include "buttonex/button_ex.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstdlib>
#include <utility>

#include "buttonex/access_key.h"
#include "buttonex/accessible_facts.h"
#include "buttonex/button_accessible.h"
#include "buttonex/button_painter.h"
#include "win32/display_dpi.h"
#include "win32/high_contrast.h"
#include "win32/picture.h"
#include "win32/region_builder.h"
#include "win32/twips.h"
#include "win32/window.h"


namespace discfront::buttonex {
namespace {

constexpr UINT_PTR kPollTimer = 1;
thread_local bool gNcCreateSeen = false;

int ShiftState() {
  int shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
  if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
  if (GetKeyState(VK_MENU) < 0) shift |= 4;
  return shift;
}

int ButtonsOf(WPARAM keys) {
  return ((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) | ((keys & MK_MBUTTON) ? 4 : 0);
}

int ShiftOf(WPARAM keys) {
  return ((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0) | (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

// The system cursor of a MousePointer value; 0 leaves the class cursor.
LPCWSTR CursorOf(std::int32_t pointer) {
  switch (pointer) {
    case 1: return IDC_ARROW;
    case 2: return IDC_CROSS;
    case 3: return IDC_IBEAM;
    case 4: return IDC_ICON;
    case 5: return IDC_SIZEALL;
    case 6: return IDC_SIZENESW;
    case 7: return IDC_SIZENS;
    case 8: return IDC_SIZENWSE;
    case 9: return IDC_SIZEWE;
    case 10: return IDC_UPARROW;
    case 11: return IDC_WAIT;
    case 12: return IDC_NO;
    case 13: return IDC_APPSTARTING;
    case 14: return IDC_HELP;
    case 15: return IDC_SIZEALL;
    default: return nullptr;
  }
}

}  // namespace

ButtonEx::ButtonEx(HWND parent) : parent_(parent), surfaceDc_(nullptr) { UseDpi(win32::WindowDpi(parent)); }

void ButtonEx::UseDpi(int dpi) {
  twipsPerPixelX_ = TwipsPerPixel(dpi);
  twipsPerPixelY_ = TwipsPerPixel(dpi);
  dpiY_ = dpi;
}

void ButtonEx::SetDpi(int dpi) {
  if (dpi == dpiY_) return;
  UseDpi(dpi);
  fontOf_.reset();  // the caption's font is made again for the new resolution
  skinRegions_.clear();  // and the regions for the skins' new size
  shownRegion_ = -1;
  model_.Redraw(1);
}

bool ButtonEx::Register() {
  WNDCLASSEXW wc{};
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (GetClassInfoExW(instance, kButtonExClass, &wc)) return true;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &ButtonEx::Proc;
  wc.cbWndExtra = sizeof(ButtonEx*);
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kButtonExClass;
  return RegisterClassExW(&wc) != 0;
}

ButtonEx* ButtonEx::CreateWindowOnly(HWND parent, int id, int x, int y) {
  if (!Register()) return nullptr;
  auto* self = new ButtonEx(parent);
  const int width = TwipsToPixels(kInitialWidthTwips, self->twipsPerPixelX_);
  const int height = TwipsToPixels(kInitialHeightTwips, self->twipsPerPixelY_);
  gNcCreateSeen = false;
  HWND hwnd = CreateWindowExW(0, kButtonExClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, width, height,
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                              self);
  if (hwnd == nullptr) {
    if (!gNcCreateSeen) delete self;  // else the window's end has deleted it
    return nullptr;
  }
  self->model_.SetHighContrast(win32::HighContrastOn());
  return self;
}

ButtonEx* ButtonEx::Create(HWND parent, int id, int x, int y) {
  ButtonEx* self = CreateWindowOnly(parent, id, x, y);
  if (self == nullptr) return nullptr;
  try {
    self->model_.InitProperties(AmbientFont(parent));
  } catch (...) {
    DestroyWindow(self->hwnd_);
    throw;
  }
  return self;
}

ButtonEx* ButtonEx::FromWindow(HWND hwnd) {
  wchar_t name[64];
  if (hwnd == nullptr || GetClassNameW(hwnd, name, 64) == 0 || lstrcmpW(name, kButtonExClass) != 0) return nullptr;
  return reinterpret_cast<ButtonEx*>(GetWindowLongPtrW(hwnd, 0));
}

void ButtonEx::SetDisplayAsDefault(bool isDefault) {
  if (isDefault == isDefault_) return;
  isDefault_ = isDefault;
  model_.OnDisplayAsDefault(isDefault);
}

void ButtonEx::RefreshSystemLook() {
  // A mode that stays still needs a redraw too: the system colours may have changed.
  const bool on = win32::HighContrastOn();
  if (on != model_.HighContrast()) {
    model_.SetHighContrast(on);
  } else {
    model_.Redraw(model_.State());
  }
}

void ButtonEx::TakeKeyboardCues() {
  const auto uiState = static_cast<UINT>(SendMessageW(hwnd_, WM_QUERYUISTATE, 0, 0));
  model_.OnKeyboardCues((uiState & UISF_HIDEFOCUS) == 0);
}

void ButtonEx::ReportStateChange() {
  if (hwnd_ == nullptr) return;
  // The model's focus, not GetFocus: this runs on every redraw, and asking the system is slow.
  const std::uint32_t now = AccessibleStateOf(model_, {model_.HasFocus(), IsWindowVisible(hwnd_) != FALSE, isDefault_});
  if (now == reportedState_) return;
  reportedState_ = now;
  NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}

FontRef ButtonEx::AmbientFont(HWND parent) {
  HFONT font = parent ? reinterpret_cast<HFONT>(SendMessageW(parent, WM_GETFONT, 0, 0)) : nullptr;
  if (font == nullptr) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTW lf{};
  GetObjectW(font, sizeof lf, &lf);
  FontDescription ambient;
  ambient.name = lf.lfFaceName;
  const int height = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
  ambient.points = Nearest(height * 72.0 / win32::WindowDpi(parent) * 4) / 4.0;
  if (ambient.points <= 0) ambient.points = 8;
  ambient.weight = lf.lfWeight == 0 ? FW_NORMAL : lf.lfWeight;
  ambient.italic = lf.lfItalic != 0;
  ambient.underline = lf.lfUnderline != 0;
  ambient.strikeout = lf.lfStrikeOut != 0;
  ambient.charset = lf.lfCharSet;
  return std::make_shared<const FontDescription>(ambient);
}

HFONT ButtonEx::CaptionFont() {
  const FontRef& wanted = model_.Font();
  if (!wanted) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  if (font_ && fontOf_ && *fontOf_ == *wanted) return font_.get();
  LOGFONTW lf{};
  lf.lfHeight = -FontHeightPixels(wanted->points, dpiY_);
  lf.lfWeight = wanted->weight;
  lf.lfItalic = wanted->italic;
  lf.lfUnderline = wanted->underline;
  lf.lfStrikeOut = wanted->strikeout;
  lf.lfCharSet = static_cast<BYTE>(wanted->charset);
  lstrcpynW(lf.lfFaceName, wanted->name.c_str(), LF_FACESIZE);
  font_.reset(CreateFontIndirectW(&lf));
  fontOf_ = wanted;
  return font_ ? font_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

Size ButtonEx::MeasureCaption(const std::wstring& caption, const FontRef&) {
  win32::SelectGuard select(surfaceDc_.get(), CaptionFont());
  SIZE extent{};
  GetTextExtentPoint32W(surfaceDc_.get(), caption.c_str(), static_cast<int>(caption.size()), &extent);
  TEXTMETRICW tm{};
  GetTextMetricsW(surfaceDc_.get(), &tm);
  return {extent.cx, tm.tmHeight};
}

void ButtonEx::Draw(const DrawPlan& plan) {
  if (!(surfaceSize_ == Size{plan.width, plan.height}) || !surfaceBitmap_) {
    win32::WindowDc screen(nullptr);
    win32::UniqueBitmap fresh(CreateCompatibleBitmap(screen.get(), std::max(plan.width, 1), std::max(plan.height, 1)));
    if (!fresh) return;
    HGDIOBJ previous = SelectObject(surfaceDc_.get(), fresh.get());
    if (originalBitmap_ == nullptr) originalBitmap_ = previous;
    surfaceBitmap_ = std::move(fresh);  // the old one is out of the DC by now
    surfaceSize_ = {plan.width, plan.height};
  }
  PaintPlan(surfaceDc_.get(), plan, CaptionFont());
  UpdateRegion(plan);
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, FALSE);
  ReportStateChange();
}

win32::UniqueRegion ButtonEx::BuildSkinRegion(const DrawPlan& plan, COLORREF key) {
  BITMAP own{};
  const HBITMAP skin = win32::BitmapOf(*plan.skin);
  if (skin != nullptr && GetObjectW(skin, sizeof own, &own) != 0 && own.bmWidth == plan.skinWidth &&
      std::abs(own.bmHeight) == plan.skinHeight) {
    return win32::BuildRegionFromBitmap(skin, key);
  }
  // Icons, metafiles and bitmaps shown at another size: drawn on the key colour first,
  // so that their own see-through parts are see-through on the control too, and the
  // region is the picture as drawn.
  win32::MemoryDc dc(surfaceDc_.get());
  win32::UniqueBitmap bitmap(CreateCompatibleBitmap(surfaceDc_.get(), plan.skinWidth, plan.skinHeight));
  {
    win32::SelectGuard select(dc.get(), bitmap.get());
    const RECT all{0, 0, plan.skinWidth, plan.skinHeight};
    SetBkColor(dc.get(), key);
    ExtTextOutW(dc.get(), 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    win32::DrawPicture(*plan.skin, dc.get(), 0, 0, plan.skinWidth, plan.skinHeight);
  }
  return win32::BuildRegionFromBitmap(bitmap.get(), key);
}

void ButtonEx::UpdateRegion(const DrawPlan& plan) {
  if (hwnd_ == nullptr) return;
  const bool wanted = plan.skinned && plan.skin && plan.skin->Handle() != 0 && plan.maskColor != kFromPicture;
  if (!wanted) {
    if (shownRegion_ >= 0) SetWindowRgn(hwnd_, nullptr, TRUE);
    shownRegion_ = -1;
    return;
  }
  const COLORREF key = ResolveColour(plan.maskColor);
  int found = -1;
  for (int i = 0; i < static_cast<int>(skinRegions_.size()); ++i) {
    if (skinRegions_[i].skin.lock() == plan.skin && skinRegions_[i].key == key) found = i;
  }
  if (found < 0) {
    // Regions of skins nobody holds any more go first; the shown one stays.
    for (int i = static_cast<int>(skinRegions_.size()) - 1; i >= 0; --i) {
      if (i == shownRegion_ || !skinRegions_[i].skin.expired()) continue;
      skinRegions_.erase(skinRegions_.begin() + i);
      if (shownRegion_ > i) --shownRegion_;
    }
    win32::UniqueRegion region = BuildSkinRegion(plan, key);
    if (!region) return;
    skinRegions_.push_back({plan.skin, key, std::move(region)});
    found = static_cast<int>(skinRegions_.size()) - 1;
  }
  if (found == shownRegion_) return;
  if (shownRegion_ >= 0 && EqualRgn(skinRegions_[found].region.get(), skinRegions_[shownRegion_].region.get())) {
    shownRegion_ = found;
    return;
  }
  // The window owns the region it is given: it gets a copy.
  win32::UniqueRegion copy(CreateRectRgn(0, 0, 0, 0));
  CombineRgn(copy.get(), skinRegions_[found].region.get(), nullptr, RGN_COPY);
  if (SetWindowRgn(hwnd_, copy.get(), TRUE)) copy.release();
  shownRegion_ = found;
}

void ButtonEx::Paint(HDC hdc) const {
  BitBlt(hdc, 0, 0, surfaceSize_.width, surfaceSize_.height, surfaceDc_.get(), 0, 0, SRCCOPY);
}

void ButtonEx::Notify(UINT code, NMHDR& hdr) const {
  hdr.hwndFrom = hwnd_;
  hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd_));
  hdr.code = code;
  SendMessageW(parent_, WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
}

void ButtonEx::Raise(const EventArgs& args) {
  if (hwnd_ == nullptr || parent_ == nullptr) return;
  NmButtonEx nm{};
  nm.args = args;
  Notify(ButtonExCode(args.event), nm.hdr);
  if (args.event == ButtonEvent::kClick && hwnd_ != nullptr) {
    SendMessageW(parent_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd_), BN_CLICKED), reinterpret_cast<LPARAM>(hwnd_));
  }
}

void ButtonEx::PropertyChanged(Prop p) {
  if (hwnd_ == nullptr || parent_ == nullptr) return;
  NmButtonExProperty nm{};
  nm.prop = p;
  Notify(kBxnPropertyChanged, nm.hdr);
}

void ButtonEx::Apply(Prop p) {
  if (hwnd_ == nullptr) return;
  switch (p) {
    case Prop::kEnabled:
      if (!model_.Enabled() && GetCapture() == hwnd_) ReleaseCapture();
      EnableWindow(hwnd_, model_.Enabled());
      break;
    case Prop::kCaption:
      // The window text lets a dialog find the access key by itself.
      SetWindowTextW(hwnd_, model_.Caption().c_str());
      NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_CLIENT, CHILDID_SELF);
      break;
    case Prop::kWhatsThisHelpID:
      SetWindowContextHelpId(hwnd_, static_cast<DWORD>(model_.WhatsThisHelpID()));
      break;
    case Prop::kToolTipText: {
      if (toolTip_ == nullptr && model_.ToolTipText().empty()) break;
      if (toolTip_ == nullptr) {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
        toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        if (toolTip_ == nullptr) break;
        TOOLINFOW ti{};
        ti.cbSize = TTTOOLINFOW_V2_SIZE;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = hwnd_;
        ti.uId = reinterpret_cast<UINT_PTR>(hwnd_);
        ti.lpszText = const_cast<wchar_t*>(model_.ToolTipText().c_str());
        SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
      }
      TOOLINFOW ti{};
      ti.cbSize = TTTOOLINFOW_V2_SIZE;
      ti.hwnd = hwnd_;
      ti.uId = reinterpret_cast<UINT_PTR>(hwnd_);
      ti.lpszText = const_cast<wchar_t*>(model_.ToolTipText().c_str());
      SendMessageW(toolTip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
      SendMessageW(toolTip_, TTM_ACTIVATE, !model_.ToolTipText().empty(), 0);
      break;
    }
    default:
      break;  // colours, font and pointer are read from the model when used
  }
}

void ButtonEx::StartExitWatch() {
  if (hwnd_ == nullptr) return;
  if (exitWatch_ == ExitWatch::kPoll) {
    SetTimer(hwnd_, kPollTimer, 1, nullptr);
    return;
  }
  TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd_, 0};
  TrackMouseEvent(&tme);
}

void ButtonEx::ResizeTo(Size pixels) {
  if (hwnd_ != nullptr) {
    SetWindowPos(hwnd_, nullptr, 0, 0, pixels.width, pixels.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool ButtonEx::PointerOverMe(POINT screen) const { return WindowFromPoint(screen) == hwnd_; }

bool ButtonEx::PointerOverMe() const {
  POINT cursor{};
  GetCursorPos(&cursor);
  return PointerOverMe(cursor);
}

void ButtonEx::OnMouseMove(WPARAM keys, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  if (buttonsDown_ != 0) {
    // Held and dragged off the control (or onto a see-through pixel): it is outside.
    POINT screen{x, y};
    ClientToScreen(hwnd_, &screen);
    if (!PointerOverMe(screen)) {
      model_.OnPointerLeft();
      return;
    }
  }
  model_.OnMouseMove(ButtonsOf(keys), ShiftOf(keys), x, y);
}

void ButtonEx::OnButtonDown(int button, WPARAM keys, LPARAM lParam) {
  if (GetFocus() != hwnd_) SetFocus(hwnd_);
  if (buttonsDown_ == 0) SetCapture(hwnd_);
  buttonsDown_ |= button;
  if (button == 1) leftPressed_ = true;
  model_.OnMouseDown(button, ShiftOf(keys), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

void ButtonEx::OnButtonUp(int button, WPARAM keys, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  POINT screen{x, y};
  ClientToScreen(hwnd_, &screen);
  const bool click = button == 1 && leftPressed_ && PointerOverMe(screen);
  if (button == 1) leftPressed_ = false;
  buttonsDown_ &= ~button;
  if (buttonsDown_ == 0 && GetCapture() == hwnd_) ReleaseCapture();
  model_.OnMouseUp(button, ShiftOf(keys), x, y);
  if (click && hwnd_ != nullptr) model_.OnClick();
}

template <typename Work>
void ButtonEx::Guarded(Work&& work) {
  // A container may destroy the control from an event handler; the object then
  // lives until the outermost piece of work on it is done.
  ++busy_;
  try {
    work();
  } catch (...) {
    win32::FailFromWindowProcedure(hwnd_);
  }
  if (--busy_ == 0 && destroyed_) delete this;
}

bool ButtonEx::TranslateAccessKey(const MSG& msg) {
  if (msg.message != WM_SYSCHAR && msg.message != WM_CHAR) return false;
  if (msg.message == WM_CHAR) {
    // The letter alone only where a dialog would take it: not while typing text.
    HWND focus = GetFocus();
    if (focus != nullptr) {
      MSG copy = msg;
      const LRESULT code = SendMessageW(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&copy));
      if (code & (DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTALLKEYS)) return false;
    }
  }
  HWND root = GetAncestor(msg.hwnd != nullptr ? msg.hwnd : GetActiveWindow(), GA_ROOT);
  if (root == nullptr) return false;
  struct Search {
    wchar_t typed;
    ButtonEx* found;
  } search{static_cast<wchar_t>(msg.wParam), nullptr};
  EnumChildWindows(
      root,
      [](HWND child, LPARAM param) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        ButtonEx* button = FromWindow(child);
        if (button == nullptr || !IsWindowVisible(child) || !IsWindowEnabled(child)) return TRUE;
        if (!MatchesAccessKey(button->model_.AccessKey(), s->typed)) return TRUE;
        s->found = button;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return false;
  // The click runs outside the window procedure here, so it gets the same guard.
  ButtonEx* button = search.found;
  button->Guarded([button] { button->model_.OnAccessKey(); });
  return true;
}

LRESULT CALLBACK ButtonEx::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  ButtonEx* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<ButtonEx*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    gNcCreateSeen = true;
    SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<ButtonEx*>(GetWindowLongPtrW(hwnd, 0));
  }
  if (self == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
  LRESULT result = 0;
  self->Guarded([&] {
    result = self->HandleMessage(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
      SetWindowLongPtrW(hwnd, 0, 0);
      self->hwnd_ = nullptr;
      self->destroyed_ = true;
    }
  });
  return result;
}


LRESULT ButtonEx::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT ButtonEx::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SIZE: {
      const Size size{LOWORD(lParam), HIWORD(lParam)};
      if (!(size == model_.ControlSize())) model_.OnResize(size);
      return 0;
    }
    case WM_PAINT: {
      win32::PaintDc paint(hwnd_);
      Paint(paint.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE:
      OnMouseMove(wParam, lParam);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnButtonDown(1, wParam, lParam);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      OnButtonDown(2, wParam, lParam);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      OnButtonDown(4, wParam, lParam);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(1, wParam, lParam);
      return 0;
    case WM_RBUTTONUP:
      OnButtonUp(2, wParam, lParam);
      return 0;
    case WM_MBUTTONUP:
      OnButtonUp(4, wParam, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd_) {
        buttonsDown_ = 0;
        leftPressed_ = false;
      }
      return 0;
    case WM_MOUSELEAVE:
      if (PointerOverMe()) {
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd_, 0};
        TrackMouseEvent(&tme);
      } else {
        model_.OnPointerLeft();
      }
      return 0;
    case WM_TIMER:
      if (wParam == kPollTimer && !PointerOverMe()) {
        KillTimer(hwnd_, kPollTimer);
        model_.OnPointerLeft();
      }
      return 0;
    case WM_SETFOCUS:
      TakeKeyboardCues();
      model_.OnFocus(true);
      NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd_, OBJID_CLIENT, CHILDID_SELF);
      return 0;
    case WM_UPDATEUISTATE: {
      const LRESULT result = DefaultProc(msg, wParam, lParam);
      TakeKeyboardCues();
      return result;
    }
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      RefreshSystemLook();
      return 0;
    case WM_GETOBJECT:
      if (static_cast<LONG>(lParam) == OBJID_CLIENT) return AnswerButtonAccessible(hwnd_, wParam);
      return DefaultProc(msg, wParam, lParam);
    case WM_DESTROY:
      // The tooltip is a top-level popup: nothing else would end it with the button.
      if (toolTip_ != nullptr) DestroyWindow(std::exchange(toolTip_, nullptr));
      return DefaultProc(msg, wParam, lParam);
    case WM_KILLFOCUS:
      model_.OnFocus(false);
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      model_.OnKeyDown(static_cast<int>(wParam), ShiftState(), (lParam & (1 << 30)) != 0);
      return msg == WM_SYSKEYDOWN ? DefaultProc(msg, wParam, lParam) : 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      model_.OnKeyUp(static_cast<int>(wParam), ShiftState());
      return msg == WM_SYSKEYUP ? DefaultProc(msg, wParam, lParam) : 0;
    case WM_CHAR:
      model_.OnKeyPress(static_cast<int>(wParam));
      return 0;
    case WM_SYSCHAR: {
      MSG m{hwnd_, msg, wParam, lParam, 0, {}};
      if (TranslateAccessKey(m)) return 0;
      return DefaultProc(msg, wParam, lParam);
    }
    case BM_CLICK:  // a dialog found our access key in the window text
      model_.OnAccessKey();
      return 0;
    case BM_SETSTYLE:
      SetDisplayAsDefault((wParam & 0x0F) == BS_DEFPUSHBUTTON);
      return 0;
    case WM_GETDLGCODE: {
      // Enter comes to the focused button itself, which clicks (a dialog would send it
      // to its default button).
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      const bool enter = key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
      return DLGC_BUTTON | (isDefault_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON) | (enter ? DLGC_WANTALLKEYS : 0);
    }
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && model_.MousePointer() != 0) {
        HCURSOR cursor = nullptr;
        const PictureRef& icon = model_.MouseIcon();
        if (model_.MousePointer() == 99 && icon && icon->Kind() == PictureKind::kIcon) {
          cursor = reinterpret_cast<HCURSOR>(icon->Handle());
        } else if (LPCWSTR id = CursorOf(model_.MousePointer())) {
          cursor = LoadCursorW(nullptr, id);
        }
        if (cursor != nullptr) {
          SetCursor(cursor);
          return TRUE;
        }
      }
      return DefaultProc(msg, wParam, lParam);
    default:
      return DefaultProc(msg, wParam, lParam);
  }
}

}  // namespace discfront::buttonex
