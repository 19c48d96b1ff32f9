// The property set of ButtonEx: identities, kinds, names, descriptions, defaults and
// a value store, without any window.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "buttonex/font_description.h"
#include "buttonex/property_list.h"
#include "base/error_number.h"
#include "base/numbered_error.h"
#include "base/picture_object.h"

namespace discfront::buttonex {

// 0x00BBGGRR, or 0x800000nn for system colour nn.
using Colour = std::uint32_t;
constexpr Colour kButtonFace = 0x8000000F;
constexpr Colour kButtonText = 0x80000012;
constexpr Colour kGrayText = 0x80000011;
constexpr Colour kFromPicture = 0xFFFFFFFF;  // TransparentColor -1
constexpr bool IsSystemColour(Colour c) { return (c & 0xFFFFFF00u) == 0x80000000u; }

enum class Prop : int {
#define BUTTONEX_ENUM(name, kind, type) k##name,
  BUTTONEX_PROPERTIES(BUTTONEX_ENUM)
#undef BUTTONEX_ENUM
};
constexpr int kPropCount = 30;
constexpr int Index(Prop p) { return static_cast<int>(p); }

enum class PropKind { kInt, kColour, kBool, kString, kPicture, kFont };

using PropertyValue = std::variant<std::int32_t, Colour, bool, std::wstring, PictureRef, FontRef>;

PropKind KindOf(Prop p);
// The key in a saved form, which is the property's name.
std::string_view NameOf(Prop p);
std::optional<Prop> PropFromName(std::string_view name);
// What a property browser shows; empty for the three pictures that have none.
std::string_view DescriptionOf(Prop p);

// The order in which a saved form is written.
const std::array<Prop, kPropCount>& WriteOrder();

// The value a new instance gets. Pictures are new empty pictures; Font is ambientFont.
PropertyValue NewInstanceDefault(Prop p, const FontRef& ambientFont);
// The value a property takes when its key is absent from a saved form. Pictures are
// none (null); Font is ambientFont.
PropertyValue LoadedDefault(Prop p, const FontRef& ambientFont);

// Values compare as the saved form sees them: pictures by identity, fonts by value.
bool SameValue(const PropertyValue& a, const PropertyValue& b);

// A failure of a property operation (or of loading a picture for one), numbered like
// the run-time errors, with the text to show the user.
using ButtonExError = NumberedError;

}  // namespace discfront::buttonex
