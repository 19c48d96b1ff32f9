// Names, kinds, descriptions and defaults of the thirty properties.
#include "buttonex/properties.h"

namespace discfront::buttonex {
namespace {

struct Info {
  std::string_view name;
  PropKind kind;
};

constexpr std::array<Info, kPropCount> kInfo = {{
#define BUTTONEX_INFO(name, kind, type) {#name, PropKind::kind},
    BUTTONEX_PROPERTIES(BUTTONEX_INFO)
#undef BUTTONEX_INFO
}};

constexpr std::array<std::string_view, kPropCount> kDescriptions = {
    "Returns/sets whether or not the control is painted with 3-D effects.",
    "Returns/sets the background color used to display text and graphics in the control.",
    "Returns/sets the text displayed in the control.",
    "Returns/sets the horizontal offset for displaying the caption.",
    "Returns/sets the vertical offset for displaying the caption.",
    "Returns/sets a value that determines whether an object can respond to user-generated events.",
    "Returns/sets the foreground color used to display text and graphics in the control.",
    "Returns/sets a Font object used to display text in the control.",
    "Returns/sets the highlight color used to display text and graphics when the mouse is over the control.",
    "Returns/sets whether or not to highlight the object's picture with the HighlightColor.",
    "Returns/sets a custom mouse icon.",
    "Returns/sets the type of mouse pointer displayed when over part of the control.",
    "Returns/sets a graphic to be displayed in the control.",
    "Returns/sets a graphic to be displayed in the control for the disabled state.",
    "",  // PictureDown
    "",  // PictureFocus
    "Returns/sets the horizontal offset for displaying the picture.",
    "Returns/sets the vertical offset for displaying the picture.",
    "",  // PictureOver
    "Determines text display direction and control visual appearance on a bidirectional system.",
    "Returns/sets a graphic to be displayed for the control when it is disabled.",
    "Returns/sets a graphic to be displayed for the control the mouse has been pressed over it.",
    "Returns/sets a graphic to be displayed for the control when it default.",
    "Returns/sets a graphic to be displayed for the control when the mouse is over it.",
    "Returns/sets a graphic to be displayed for the control.",
    "Returns/sets the style for the control.",
    "Returns/sets the text displayed when the mouse cursor is over the control.",
    "Returns/sets the color of the Picture property to make transparent.",
    "Returns/sets a default state for the control.",
    "Returns/sets an associated help context ID for the control.",
};

// Scalars and strings have one default for both columns.
PropertyValue ScalarDefault(Prop p) {
  switch (p) {
    case Prop::kAppearance: return std::int32_t{1};
    case Prop::kBackColor: return Colour{kButtonFace};
    case Prop::kCaption: return std::wstring(L"ButtonEx1");
    case Prop::kEnabled: return true;
    case Prop::kForeColor: return Colour{kButtonText};
    case Prop::kHighlightColor: return Colour{kButtonText};
    case Prop::kHighlightPicture: return false;
    case Prop::kRightToLeft: return false;
    case Prop::kToolTipText: return std::wstring();
    case Prop::kTransparentColor: return Colour{0x00FF0000};
    case Prop::kValue: return std::int32_t{1};
    default: return std::int32_t{0};
  }
}

}  // namespace

PropKind KindOf(Prop p) { return kInfo[Index(p)].kind; }

std::string_view NameOf(Prop p) { return kInfo[Index(p)].name; }

std::optional<Prop> PropFromName(std::string_view name) {
  for (int i = 0; i < kPropCount; ++i) {
    if (kInfo[i].name == name) return static_cast<Prop>(i);
  }
  return std::nullopt;
}

std::string_view DescriptionOf(Prop p) { return kDescriptions[Index(p)]; }

const std::array<Prop, kPropCount>& WriteOrder() {
  static const std::array<Prop, kPropCount> kOrder = {
      Prop::kAppearance,     Prop::kEnabled,        Prop::kBackColor,        Prop::kCaption,
      Prop::kCaptionOffsetX, Prop::kCaptionOffsetY, Prop::kForeColor,        Prop::kFont,
      Prop::kHighlightColor, Prop::kHighlightPicture, Prop::kPicture,        Prop::kPictureDisabled,
      Prop::kPictureDown,    Prop::kPictureFocus,   Prop::kPictureOffsetX,   Prop::kPictureOffsetY,
      Prop::kPictureOver,    Prop::kRightToLeft,    Prop::kTransparentColor, Prop::kMouseIcon,
      Prop::kMousePointer,   Prop::kSkinDisabled,   Prop::kSkinDown,         Prop::kSkinFocus,
      Prop::kSkinOver,       Prop::kSkinUp,         Prop::kStyle,            Prop::kToolTipText,
      Prop::kValue,          Prop::kWhatsThisHelpID};
  return kOrder;
}

PropertyValue NewInstanceDefault(Prop p, const FontRef& ambientFont) {
  switch (KindOf(p)) {
    case PropKind::kPicture: return MakeEmptyPicture();
    case PropKind::kFont: return ambientFont;
    default: return ScalarDefault(p);
  }
}

PropertyValue LoadedDefault(Prop p, const FontRef& ambientFont) {
  switch (KindOf(p)) {
    case PropKind::kPicture: return PictureRef();
    case PropKind::kFont: return ambientFont;
    default: return ScalarDefault(p);
  }
}

bool SameValue(const PropertyValue& a, const PropertyValue& b) {
  // Fonts by what they describe: a control keeping the container's font saves none.
  if (std::holds_alternative<FontRef>(a) && std::holds_alternative<FontRef>(b)) {
    const FontRef& fa = std::get<FontRef>(a);
    const FontRef& fb = std::get<FontRef>(b);
    return fa == fb || (fa && fb && *fa == *fb);
  }
  return a == b;
}

}  // namespace discfront::buttonex
