// Carries out a redraw plan on a device context with the GDI calls the button's look
// is defined by: DrawEdge, DrawFocusRect, DrawState and masked BitBlt copies.
#pragma once

#include <windows.h>

#include "buttonex/draw_plan.h"

namespace discfront::buttonex {

// An RGB value, or a system colour (0x800000nn) looked up in the system's colour table.
COLORREF ResolveColour(Colour c);

// Draws the whole look into hdc (the control's surface, plan.width x plan.height),
// starting from a surface cleared to the back colour. font is the caption's font.
void PaintPlan(HDC hdc, const DrawPlan& plan, HFONT font);

// The silhouette of the picture on source (w x h) in one colour, drawn onto dest at
// destAt through two scratch surfaces of the picture's size.
void DrawSilhouette(HDC dest, HDC source, POINT destAt, int w, int h, COLORREF colour);

}  // namespace discfront::buttonex
