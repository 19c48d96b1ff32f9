#include "about/link_opening.h"

#include "about/about_texts.h"
#include "base/texts.h"

namespace discfront::about {

ShellOpening WebLinkOpening(std::wstring_view address) { return {std::wstring(address), L"c:\\"}; }

ShellOpening MailLinkOpening(std::wstring_view address) {
  return {L"mailto:" + std::wstring(address) + L"?Subject=" + Text(kTextMailSubject), L""};
}

}  // namespace discfront::about
