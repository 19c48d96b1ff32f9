// The text dialog's layout and keyboard (Enter copies, Esc cancels), with a prompt that
// names the files.
#include "copy_in_dialog.h"

#include "base/texts.h"
#include "disc/dropped_file.h"
#include "drop_messages.h"
#include "text_dialog.h"

namespace discfront::editor {
namespace {

std::wstring WithoutSlashes(std::wstring folder) {
  const auto slash = [](wchar_t c) { return c == L'\\' || c == L'/' || c == L' '; };
  while (!folder.empty() && slash(folder.back())) folder.pop_back();
  std::size_t first = 0;
  while (first < folder.size() && slash(folder[first])) ++first;
  return folder.substr(first);
}

}  // namespace

std::optional<std::wstring> AskCopyInFolder(HWND owner, const std::vector<std::wstring>& sources) {
  TextDialogOptions options{Text(kTextCopyInCaption), CopyInPrompt(sources), std::wstring(kDefaultCopyFolder), false, {}};
  const std::optional<std::wstring> folder = AskText(owner, options);
  if (!folder) return std::nullopt;
  return WithoutSlashes(*folder);
}

}  // namespace discfront::editor
