#include "disc/disc_language.h"

namespace discfront {
namespace {

constexpr std::uint16_t kPrimaryRussian = 0x19;

}  // namespace

UiLanguage LanguageOfUi(std::uint16_t langId) {
  return (langId & 0x3FF) == kPrimaryRussian ? UiLanguage::kRussian : UiLanguage::kEnglish;
}

UiLanguage ChooseLanguage(std::optional<UiLanguage> discLanguage, std::uint16_t userUiLangId) {
  return discLanguage ? *discLanguage : LanguageOfUi(userUiLangId);
}

}  // namespace discfront
