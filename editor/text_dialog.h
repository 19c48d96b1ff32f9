// A modal dialog that asks for one text: a prompt, one edit box (one line, or many
// with Enter making new lines), OK and Cancel. Used for the autorun label and the
// disc's description.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace discfront::editor {

struct TextDialogOptions {
  std::wstring caption;
  std::wstring prompt;
  std::wstring text;       // shown at first
  bool multiline = false;
  // Called on OK with the text; false keeps the dialog open (after the callback has
  // told the user why), so nothing typed is lost.
  std::function<bool(HWND dialog, const std::wstring& text)> accept;
};

// The text confirmed with OK, or nothing when the dialog was cancelled.
std::optional<std::wstring> AskText(HWND owner, const TextDialogOptions& options);

}  // namespace discfront::editor
