// The thirty properties of ButtonEx in the order in which a new instance sets them
// and a saved form is read: X(Name, Kind, C++ type).
#pragma once

#define BUTTONEX_PROPERTIES(X)            \
  X(Appearance, kInt, std::int32_t)       \
  X(BackColor, kColour, Colour)           \
  X(Caption, kString, std::wstring)       \
  X(CaptionOffsetX, kInt, std::int32_t)   \
  X(CaptionOffsetY, kInt, std::int32_t)   \
  X(Enabled, kBool, bool)                 \
  X(ForeColor, kColour, Colour)           \
  X(Font, kFont, FontRef)                 \
  X(HighlightColor, kColour, Colour)      \
  X(HighlightPicture, kBool, bool)        \
  X(MouseIcon, kPicture, PictureRef)      \
  X(MousePointer, kInt, std::int32_t)     \
  X(Picture, kPicture, PictureRef)        \
  X(PictureDisabled, kPicture, PictureRef) \
  X(PictureDown, kPicture, PictureRef)    \
  X(PictureFocus, kPicture, PictureRef)   \
  X(PictureOffsetX, kInt, std::int32_t)   \
  X(PictureOffsetY, kInt, std::int32_t)   \
  X(PictureOver, kPicture, PictureRef)    \
  X(RightToLeft, kBool, bool)             \
  X(SkinDisabled, kPicture, PictureRef)   \
  X(SkinDown, kPicture, PictureRef)       \
  X(SkinFocus, kPicture, PictureRef)      \
  X(SkinOver, kPicture, PictureRef)       \
  X(SkinUp, kPicture, PictureRef)         \
  X(Style, kInt, std::int32_t)            \
  X(ToolTipText, kString, std::wstring)   \
  X(TransparentColor, kColour, Colour)    \
  X(Value, kInt, std::int32_t)            \
  X(WhatsThisHelpID, kInt, std::int32_t)
