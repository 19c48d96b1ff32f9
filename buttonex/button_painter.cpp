// The button's look on a device context.
#include "buttonex/button_painter.h"

#include "buttonex/masked_copy.h"
#include "win32/handles.h"
#include "win32/picture.h"

namespace discfront::buttonex {
namespace {

static_assert(kEdgeRaised == EDGE_RAISED && kEdgeSunken == EDGE_SUNKEN && kBdrSunkenOuter == BDR_SUNKENOUTER &&
              kBfRect == BF_RECT && kBfAdjust == BF_ADJUST && kBfFlat == BF_FLAT && kBfMono == BF_MONO &&
              kDstPrefixText == DST_PREFIXTEXT && kDssDisabled == DSS_DISABLED && kDssRight == DSS_RIGHT);

void FillSolid(HDC hdc, const RECT& r, COLORREF colour) {
  const COLORREF old = SetBkColor(hdc, colour);
  ExtTextOutW(hdc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  SetBkColor(hdc, old);
}

void DrawFrame(HDC hdc, const DrawPlan& plan) {
  RECT r{0, 0, plan.width, plan.height};
  for (int i = 0; i < plan.edgeCount; ++i) DrawEdge(hdc, &r, plan.edges[i].edge, plan.edges[i].flags);
}

// Over the frame or the skin, under the picture and the caption.
void DrawFocus(HDC hdc, const DrawPlan& plan) {
  if (!plan.focusRect) return;
  const RECT f{plan.focus.left, plan.focus.top, plan.focus.right, plan.focus.bottom};
  const COLORREF old = SetTextColor(hdc, RGB(0, 0, 0));
  DrawFocusRect(hdc, &f);
  SetTextColor(hdc, old);
}

void DrawPlannedPicture(HDC hdc, const DrawPlan& plan) {
  const int w = plan.pictureWidth;
  const int h = plan.pictureHeight;
  // The picture surface: the picture at its own size on the control's back colour.
  win32::MemoryDc surface(hdc);
  win32::UniqueBitmap bitmap(CreateCompatibleBitmap(hdc, w, h));
  win32::SelectGuard select(surface.get(), bitmap.get());
  SetBkColor(surface.get(), ResolveColour(plan.backColor));
  SetTextColor(surface.get(), ResolveColour(kButtonText));
  FillSolid(surface.get(), RECT{0, 0, w, h}, ResolveColour(plan.backColor));
  win32::DrawPicture(*plan.picture, surface.get(), 0, 0, w, h);
  const POINT at{plan.pictureLeft, plan.pictureTop};
  if (plan.silhouette) {
    DrawSilhouette(hdc, surface.get(), at, w, h, ResolveColour(plan.silhouetteColour));
  } else {
    const COLORREF key = plan.keyColour == kFromPicture ? kKeyFromSource : ResolveColour(plan.keyColour);
    MaskedCopy(hdc, surface.get(), at, POINT{0, 0}, w, h, key);
  }
}

void DrawCaption(HDC hdc, const DrawPlan& plan, HFONT font) {
  win32::SelectGuard selectFont(hdc, font);
  const COLORREF oldText = SetTextColor(hdc, ResolveColour(plan.captionColour));
  const int oldMode = SetBkMode(hdc, TRANSPARENT);
  // The wide form keeps Russian captions whatever the system's ANSI code page.
  DrawStateW(hdc, nullptr, nullptr, reinterpret_cast<LPARAM>(plan.caption.c_str()),
             static_cast<WPARAM>(plan.caption.size()), plan.captionX, plan.captionY, 0, 0, plan.captionFlags);
  SetBkMode(hdc, oldMode);
  SetTextColor(hdc, oldText);
}

}  // namespace

COLORREF ResolveColour(Colour c) {
  if (IsSystemColour(c)) return GetSysColor(static_cast<int>(c & 0xFF));
  return c & 0x00FFFFFF;
}

void DrawSilhouette(HDC dest, HDC source, POINT destAt, int w, int h, COLORREF colour) {
  win32::MemoryDc highlight(dest), destination(dest);
  win32::UniqueBitmap highlightBitmap(CreateCompatibleBitmap(dest, w, h));
  win32::UniqueBitmap destinationBitmap(CreateCompatibleBitmap(dest, w, h));
  win32::SelectGuard selHighlight(highlight.get(), highlightBitmap.get());
  win32::SelectGuard selDestination(destination.get(), destinationBitmap.get());
  FillSolid(highlight.get(), RECT{0, 0, w, h}, colour);
  SetBkColor(highlight.get(), colour);
  // The scratch surface's own colours: button face behind, button text in front.
  SetBkColor(destination.get(), ResolveColour(kButtonFace));
  SetTextColor(destination.get(), ResolveColour(kButtonText));
  if (!MaskOnto(source, destination.get(), kKeyFromSource, POINT{0, 0}, POINT{0, 0}, w, h)) return;
  BitBlt(highlight.get(), 0, 0, w, h, destination.get(), 0, 0, SRCINVERT);
  MaskedSurfaceCopy(dest, highlight.get(), destAt, POINT{0, 0}, w, h, kKeyFromSource);
}

void PaintPlan(HDC hdc, const DrawPlan& plan, HFONT font) {
  FillSolid(hdc, RECT{0, 0, plan.width, plan.height}, ResolveColour(plan.backColor));
  if (!plan.skinned) {
    DrawFrame(hdc, plan);
  } else if (plan.skin && plan.skin->Handle() != 0) {
    win32::DrawPicture(*plan.skin, hdc, 0, 0, plan.skinWidth, plan.skinHeight);
  }
  DrawFocus(hdc, plan);
  if (plan.picture) DrawPlannedPicture(hdc, plan);
  DrawCaption(hdc, plan, font);
}

}  // namespace discfront::buttonex
