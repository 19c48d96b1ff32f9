// What one Redraw draws, worked out without a window: the windowing side only
// carries it out with the named GDI calls.
#pragma once

#include <array>
#include <string>

#include "buttonex/properties.h"

namespace discfront::buttonex {

// DrawEdge edge kinds and flags, as the frame table uses them.
constexpr unsigned kBdrRaisedOuter = 0x0001;
constexpr unsigned kBdrSunkenOuter = 0x0002;
constexpr unsigned kEdgeRaised = 0x0005;
constexpr unsigned kEdgeSunken = 0x000A;
constexpr unsigned kBfRect = 0x000F;
constexpr unsigned kBfAdjust = 0x2000;
constexpr unsigned kBfFlat = 0x4000;
constexpr unsigned kBfMono = 0x8000;
// DrawState flags of the caption.
constexpr unsigned kDstPrefixText = 0x0002;
constexpr unsigned kDssDisabled = 0x0020;
constexpr unsigned kDssRight = 0x8000;

struct EdgeStep {
  unsigned edge = 0;
  unsigned flags = 0;
  bool operator==(const EdgeStep&) const = default;
};

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const Rect&) const = default;
};

struct DrawPlan {
  int state = 1;  // as drawn for the picture and the caption (after the toggle mapping)
  int width = 0;  // ScaleWidth, ScaleHeight
  int height = 0;
  Colour backColor = kButtonFace;

  // Framed path (opaque). Edges are drawn in order on one rectangle that BF_ADJUST shrinks.
  bool skinned = false;
  int edgeCount = 0;
  std::array<EdgeStep, 3> edges{};
  bool focusRect = false;
  Rect focus;

  // Skinned path (transparent back style): the background picture and its key colour.
  PictureRef skin;
  int skinWidth = 0, skinHeight = 0;  // the skin's own size in pixels
  Colour maskColor = 0;

  // The picture of the state, when one with a handle is drawn.
  PictureRef picture;
  int pictureLeft = 0, pictureTop = 0, pictureWidth = 0, pictureHeight = 0;
  bool silhouette = false;
  Colour silhouetteColour = 0;
  Colour keyColour = 0;  // TransparentColor; kFromPicture takes the picture's pixel (1, 1)

  std::wstring caption;
  Colour captionColour = kButtonText;
  int captionX = 0, captionY = 0;
  unsigned captionFlags = kDstPrefixText;
  FontRef font;

  bool operator==(const DrawPlan&) const = default;
};

}  // namespace discfront::buttonex
