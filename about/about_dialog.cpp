// The About dialog: an empty dialog template filled with controls placed in pixels
// (designed at 96 dpi, scaled for the screen), so both variants keep their exact layout.
#include "about/about_dialog.h"

#include <shellapi.h>
#include <windowsx.h>

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "about/about_texts.h"
#include "about/edge_snap.h"
#include "about/link_label.h"
#include "about/link_opening.h"
#include "about/sysinfo.h"
#include "base/texts.h"
#include "base/twips.h"
#include "win32/display_dpi.h"
#include "win32/handles.h"
#include "win32/window.h"
#include "win32/window_text.h"

namespace discfront::about {
namespace {

constexpr COLORREF kLinkRest = RGB(0, 0, 0);
constexpr COLORREF kLinkHighlighted = RGB(255, 0, 0);
constexpr POINT kInsidePlace = {156, 129};  // the inside area's designed place on the screen

// A label at its designed place; a width of 0 means sized to its text. A label of
// fixed size either wraps its text or shows one line, cut at its edge.
struct LabelPlace {
  int id;
  unsigned text;
  int x, y, width, height;
  bool heading;  // the variant's bold title font, else the dialog's default font
  bool wraps = false;
};

struct ButtonPlace {
  int x, y, width, height;
};

struct LinkPlace {
  int id;
  const wchar_t* text;
  int x, y;
};

struct Variant {
  bool launcher;  // the launcher's variant: two links, drag by the background
  unsigned title;
  SIZE inside;
  POINT icon;
  int iconSize;
  std::span<const LabelPlace> labels;
  std::span<const LinkPlace> links;
  int lineY;  // the etched separator: grey at lineY, white below it
  ButtonPlace ok, info;
  unsigned infoCaption;
};

constexpr LabelPlace kLauncherLabels[] = {
    {kIdHeading, kTextLauncherHeading, 64, 24, 0, 0, true},
    {kIdLine2, kTextAuthorLine, 64, 64, 0, 0, false},
    {kIdLine3, kTextDateLine, 64, 88, 0, 0, false},
    {kIdDisclaimer, kTextDisclaimer, 8, 168, 268, 69, false, true},
};
constexpr LinkPlace kLauncherLinks[] = {{kIdWebLink, kWebAddress, 64, 112}, {kIdMailLink, kMailAddress, 64, 136}};

constexpr LabelPlace kEditorLabels[] = {
    {kIdHeading, kTextEditorHeading, 70, 16, 281, 20, true},
    {kIdLine2, kTextEditorVersion, 70, 52, 0, 0, false},
    {kIdLine3, kTextMakerLine, 184, 52, 0, 0, false},
    {kIdDisclaimer, kTextDisclaimer, 8, 128, 268, 69, false, true},
};
constexpr LinkPlace kEditorLinks[] = {{kIdWebLink, kWebAddress, 64, 80}};

constexpr Variant kLauncherVariant{.launcher = true,
                                   .title = kTextLauncherTitle,
                                   .inside = {382, 240},
                                   .icon = {8, 16},
                                   .iconSize = 48,
                                   .labels = kLauncherLabels,
                                   .links = kLauncherLinks,
                                   .lineY = 163,
                                   .ok = {283, 175, 84, 23},
                                   .info = {283, 205, 84, 23},
                                   .infoCaption = kTextLauncherInfoCaption};
constexpr Variant kEditorVariant{.launcher = false,
                                 .title = kTextEditorTitle,
                                 .inside = {382, 203},
                                 .icon = {16, 16},
                                 .iconSize = 32,
                                 .labels = kEditorLabels,
                                 .links = kEditorLinks,
                                 .lineY = 115,
                                 .ok = {283, 144, 84, 23},
                                 .info = {280, 176, 83, 23},
                                 .infoCaption = kTextEditorInfoCaption};

// Font sizes in hundredths of a point.
constexpr int kDefaultPoints = 825;
constexpr int kLauncherHeadingPoints = 1800;
constexpr int kEditorHeadingPoints = 1200;
constexpr int kLinkPoints = 975;
constexpr int kEditorLinkHighlighted = 1200;
constexpr int kEditorLinkAfterBackground = 1000;

// The work area (the screen less the taskbar) of the monitor a window is on.
RECT WorkArea(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return info.rcWork;
}

// The launcher's edge flags live as long as the process.
EdgeFlags& SharedEdgeFlags() {
  static EdgeFlags flags;
  return flags;
}

class AboutDialog {
 public:
  AboutDialog(const Variant& variant, HICON icon) : variant_(variant), icon_(icon) {}

  void Show(HWND owner) {
    // An empty template: style, no controls, no menu, default class, empty title.
    // The controls and the real size follow in WM_INITDIALOG.
    alignas(4) std::array<WORD, 16> tmpl{};
    auto* dialog = reinterpret_cast<DLGTEMPLATE*>(tmpl.data());
    dialog->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog, owner, &AboutDialog::Proc,
                            reinterpret_cast<LPARAM>(this));
  }

 private:
  static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    auto* self = reinterpret_cast<AboutDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (self == nullptr) return FALSE;
    try {
      if (msg == WM_INITDIALOG) self->hwnd_ = hwnd;
      return self->Handle(msg, wParam, lParam);
    } catch (...) {
      return win32::FailFromWindowProcedure(hwnd);
    }
  }

  INT_PTR Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
      case WM_INITDIALOG:
        OnInit();
        return FALSE;  // the focus is set already
      case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
      case WM_DRAWITEM:
        DrawIcon(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
      case WM_PAINT:
        PaintSeparator();
        return TRUE;
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
        OnBackgroundPress(lParam);
        return TRUE;
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
      case WM_MBUTTONUP:
        if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && GetCapture() == hwnd_) ReleaseCapture();
        return TRUE;
      case WM_MOUSEMOVE:
        OnBackgroundMove(wParam);
        return TRUE;
      default:
        return FALSE;
    }
  }

  int X(int pixels) const { return DesignedPixelsAt(pixels, dpi_); }
  int Y(int pixels) const { return DesignedPixelsAt(pixels, dpi_); }

  HFONT MakeFont(int hundredthsOfPoint, int weight) {
    LOGFONTW lf{};
    lf.lfHeight = -discfront::FontHeightPixels(hundredthsOfPoint / 100.0, dpi_);
    lf.lfWeight = weight;
    lf.lfCharSet = RUSSIAN_CHARSET;
    wcscpy_s(lf.lfFaceName, L"MS Sans Serif");
    fonts_.emplace_back(CreateFontIndirectW(&lf));
    return fonts_.back().get();
  }

  void OnInit() {
    dpi_ = win32::WindowDpi(hwnd_);
    SetWindowTextW(hwnd_, Text(variant_.title).c_str());
    PlaceWindow();

    defaultFont_ = MakeFont(kDefaultPoints, FW_NORMAL);
    const HFONT heading = MakeFont(variant_.launcher ? kLauncherHeadingPoints : kEditorHeadingPoints, FW_BOLD);
    linkFont_ = MakeFont(kLinkPoints, FW_NORMAL);
    linkHighlightedFont_ = variant_.launcher ? linkFont_ : MakeFont(kEditorLinkHighlighted, FW_NORMAL);
    linkAfterBackgroundFont_ = variant_.launcher ? linkFont_ : MakeFont(kEditorLinkAfterBackground, FW_NORMAL);

    // In tab order: the buttons first, so that OK has the focus and Enter presses it.
    HWND ok = AddControl(L"BUTTON", Text(kTextOkCaption).c_str(), WS_TABSTOP | BS_DEFPUSHBUTTON, kIdOk, variant_.ok);
    AddControl(L"BUTTON", Text(variant_.infoCaption).c_str(), WS_TABSTOP | BS_PUSHBUTTON, kIdSysInfo, variant_.info);
    // The icon and the labels take their own mouse input (SS_NOTIFY), so that moving
    // over them is not moving over the background.
    AddControl(L"STATIC", L"", SS_OWNERDRAW | SS_NOTIFY, kIdIcon,
               {variant_.icon.x, variant_.icon.y, variant_.iconSize, variant_.iconSize});
    for (const LabelPlace& label : variant_.labels) {
      AddLabel(label, label.heading ? heading : defaultFont_);
    }
    for (const LinkPlace& place : variant_.links) {
      auto link = std::make_unique<LinkLabel>();
      link->Create(hwnd_, place.id, place.text, X(place.x), Y(place.y), linkFont_);
      links_.push_back(std::move(link));
    }
    SetFocus(ok);
  }

  // The inside area gets its designed size and place; the frame goes around it.
  void PlaceWindow() {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
    // On the monitor of the window it is opened over, from the top left of its work area.
    const HWND owner = GetWindow(hwnd_, GW_OWNER);
    const RECT area = WorkArea(owner != nullptr ? owner : hwnd_);
    RECT outer{X(kInsidePlace.x), Y(kInsidePlace.y), X(kInsidePlace.x + variant_.inside.cx),
               Y(kInsidePlace.y + variant_.inside.cy)};
    OffsetRect(&outer, area.left, area.top);
    // The frame at the window's own resolution, which need not be the system's.
    outer = win32::OuterRectForDpi(outer, style, false, exStyle, dpi_);
    SetWindowPos(hwnd_, nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }

  HWND AddControl(const wchar_t* className, const wchar_t* text, DWORD style, int id, ButtonPlace place) {
    HWND control = CreateWindowExW(
        0, className, text, WS_CHILD | WS_VISIBLE | style, X(place.x), Y(place.y), X(place.width), Y(place.height),
        hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(defaultFont_), FALSE);
    return control;
  }

  void AddLabel(const LabelPlace& label, HFONT font) {
    const std::wstring text = Text(label.text);
    SIZE size{X(label.width), Y(label.height)};
    if (label.width == 0) {
      win32::WindowDc dc(hwnd_);
      win32::SelectGuard select(dc.get(), font);
      GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    }
    const DWORD align = label.wraps ? SS_LEFT : SS_LEFTNOWORDWRAP;
    HWND control =
        CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | align | SS_NOTIFY | SS_NOPREFIX, X(label.x),
                        Y(label.y), size.cx, size.cy, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(label.id)),
                        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }

  void OnCommand(int id, int code) {
    switch (id) {
      case IDOK:
      case IDCANCEL:  // Esc and the close box
        EndDialog(hwnd_, id);
        return;
      case kIdSysInfo:
        if (code == BN_CLICKED) StartSysInfo(hwnd_);
        return;
      case kIdWebLink:
      case kIdMailLink:
        if (code == kLinkPointerOver) OnPointerOverLink(id);
        if (code == kLinkClicked) OpenLink(id);
        return;
      default:
        return;
    }
  }

  void OnPointerOverLink(int id) {
    for (const auto& link : links_) {
      const bool under = GetDlgCtrlID(link->hwnd()) == id;
      // The editor's link grows while highlighted; one not under the pointer keeps its size.
      link->SetLook(under ? linkHighlightedFont_ : link->font(), under ? kLinkHighlighted : kLinkRest);
    }
  }

  void OpenLink(int id) {
    const std::wstring text = win32::WindowText(GetDlgItem(hwnd_, id));
    const ShellOpening opening = id == kIdMailLink ? MailLinkOpening(text) : WebLinkOpening(text);
    // A link the shell cannot open fails silently.
    ShellExecuteW(nullptr, L"Open", opening.target.c_str(), L"", opening.workingFolder.c_str(), SW_SHOWNORMAL);
  }

  void OnBackgroundPress(LPARAM lParam) {
    if (!variant_.launcher) return;
    press_ = PressPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    SetCapture(hwnd_);  // the drag goes on wherever the pointer goes
  }

  void OnBackgroundMove(WPARAM keys) {
    for (const auto& link : links_) link->SetLook(linkAfterBackgroundFont_, kLinkRest);
    if (!variant_.launcher) return;

    POINT cursor{};
    GetCursorPos(&cursor);
    constexpr WPARAM kButtons = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_XBUTTON1 | MK_XBUTTON2;
    if ((keys & kButtons) != MK_LBUTTON) press_.reset();
    if (!press_ || (keys & kButtons) != MK_LBUTTON) return;  // a drag begins with a press on the background

    RECT outer{};
    GetWindowRect(hwnd_, &outer);
    POINT inside{0, 0};
    ClientToScreen(hwnd_, &inside);
    DragGeometry drag{*press_,
                            CursorPoint{cursor.x, cursor.y},
                            inside.x - outer.left,
                            inside.y - outer.top,
                            outer.right - outer.left,
                            outer.bottom - outer.top};
    const RECT area = WorkArea(hwnd_);
    drag.areaLeft = area.left;
    drag.areaTop = area.top;
    drag.areaRight = area.right;
    drag.areaBottom = area.bottom;
    const WindowPlace place = SnapDrag(drag, SharedEdgeFlags());
    if (place.left != outer.left || place.top != outer.top) {
      SetWindowPos(hwnd_, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }

  void DrawIcon(const DRAWITEMSTRUCT& item) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    DrawIconEx(item.hDC, item.rcItem.left, item.rcItem.top, icon_, item.rcItem.right - item.rcItem.left,
               item.rcItem.bottom - item.rcItem.top, 0, nullptr, DI_NORMAL);
  }

  // Line1: a grey line over a white one, from x 6 to 377.
  void PaintSeparator() {
    win32::PaintDc dc(hwnd_);
    const RECT grey{X(6), Y(variant_.lineY), X(378), Y(variant_.lineY + 1)};
    const RECT white{X(6), Y(variant_.lineY + 1), X(378), Y(variant_.lineY + 2)};
    const win32::UniqueBrush greyBrush(CreateSolidBrush(RGB(128, 128, 128)));
    FillRect(dc.get(), &grey, greyBrush.get());
    FillRect(dc.get(), &white, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }

  const Variant& variant_;
  HICON icon_;  // not owned
  HWND hwnd_ = nullptr;
  int dpi_ = 96;
  std::vector<win32::UniqueFont> fonts_;
  HFONT defaultFont_ = nullptr;  // owned by fonts_, as the three below
  HFONT linkFont_ = nullptr;
  HFONT linkHighlightedFont_ = nullptr;
  HFONT linkAfterBackgroundFont_ = nullptr;
  std::vector<std::unique_ptr<LinkLabel>> links_;
  std::optional<PressPoint> press_;  // where the drag on the background began, while the button is held
};

void Show(const Variant& variant, HWND owner, const wchar_t* iconResource) {
  // The icon of the size it is shown at: its image drawn for that size, where the file has one.
  const int size = DesignedPixelsAt(variant.iconSize, win32::WindowDpi(owner));
  const win32::UniqueIcon icon(
      static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), iconResource, IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
  AboutDialog dialog(variant, icon.get());
  dialog.Show(owner);
}

}  // namespace

void ShowLauncherAbout(HWND owner, const wchar_t* iconResource) { Show(kLauncherVariant, owner, iconResource); }
void ShowEditorAbout(HWND owner, const wchar_t* iconResource) { Show(kEditorVariant, owner, iconResource); }

}  // namespace discfront::about
