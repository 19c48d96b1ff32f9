// What the About dialog hands to the shell when a link is clicked.
#pragma once

#include <string>
#include <string_view>

namespace discfront::about {

struct ShellOpening {
  std::wstring target;
  std::wstring workingFolder;
  bool operator==(const ShellOpening&) const = default;
};

// A web link opens its own text, from the folder "c:\".
ShellOpening WebLinkOpening(std::wstring_view address);
// A mail link opens "mailto:" address "?Subject=" subject, joined as they are (no
// escaping: the shell hands the text to the mail program), with no working folder.
ShellOpening MailLinkOpening(std::wstring_view address);

}  // namespace discfront::about
