// The dialog is built in memory (a dialog template) so that it needs no resource
// script and takes the system's keyboard handling, and the message font at the size the
// user chose for text: its sizes are in dialog units, which grow with that font.
#include "text_dialog.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/texts.h"
#include "editor_texts.h"
#include "win32/display_dpi.h"
#include "win32/program_end.h"
#include "win32/window_text.h"

namespace discfront::editor {
namespace {

constexpr int kIdText = 100;
constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;

struct MessageFont {
  WORD points;
  std::wstring face;
};

// The system's message font as a dialog template names it: its face and whole points,
// halves up, so that the dialog's text is not smaller than the editor's.
MessageFont SystemMessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  const int dpi = win32::WindowDpi(nullptr);
  if (!win32::NonClientMetricsForDpi(metrics, dpi) || metrics.lfMessageFont.lfHeight == 0) return {8, L"MS Shell Dlg"};
  const double points = std::abs(metrics.lfMessageFont.lfHeight) * 72.0 / dpi;
  return {static_cast<WORD>(std::floor(points + 0.5)), metrics.lfMessageFont.lfFaceName};
}

// A dialog template, written word by word.
class DialogTemplate {
 public:
  DialogTemplate(const std::wstring& caption, short width, short height, const MessageFont& font) {
    AddDword(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    AddDword(0);
    countAt_ = words_.size();
    words_.push_back(0);
    for (short v : {short{0}, short{0}, width, height}) words_.push_back(static_cast<WORD>(v));
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the standard dialog class
    AddString(caption);
    words_.push_back(font.points);
    AddString(font.face);
  }

  void Add(WORD classAtom, DWORD style, short x, short y, short width, short height, int id,
           const std::wstring& title = {}) {
    if (words_.size() % 2 != 0) words_.push_back(0);  // items start on a DWORD boundary
    AddDword(WS_CHILD | WS_VISIBLE | style);
    AddDword(0);
    for (short v : {x, y, width, height}) words_.push_back(static_cast<WORD>(v));
    words_.push_back(static_cast<WORD>(id));
    words_.push_back(0xFFFF);
    words_.push_back(classAtom);
    AddString(title);
    words_.push_back(0);  // no creation data
    ++words_[countAt_];
  }

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void AddDword(DWORD v) {
    words_.push_back(LOWORD(v));
    words_.push_back(HIWORD(v));
  }
  void AddString(const std::wstring& s) {
    words_.insert(words_.end(), s.begin(), s.end());
    words_.push_back(0);
  }

  std::vector<WORD> words_;
  std::size_t countAt_ = 0;
};

struct DialogState {
  const TextDialogOptions* options;
  std::wstring result;
};

std::wstring ItemText(HWND dialog, int id) {
  return win32::WindowText(GetDlgItem(dialog, id));
}

INT_PTR HandleDialogMessage(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      const auto* state = reinterpret_cast<DialogState*>(lParam);
      HWND edit = GetDlgItem(dialog, kIdText);
      SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
      SetWindowTextW(edit, state->options->text.c_str());
      SetFocus(edit);
      SendMessageW(edit, EM_SETSEL, state->options->multiline ? static_cast<WPARAM>(-1) : 0, -1);
      return FALSE;  // the focus was set here
    }
    case WM_COMMAND: {
      auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
      if (LOWORD(wParam) == IDOK) {
        std::wstring text = ItemText(dialog, kIdText);
        if (state->options->accept && !state->options->accept(dialog, text)) return TRUE;
        state->result = std::move(text);
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    }
    default: return FALSE;
  }
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  // No failure crosses the system's frames: it is kept for the program's report, and the
  // dialog ends as cancelled, so its caller goes on as after Cancel until the loop ends.
  try {
    return HandleDialogMessage(dialog, msg, wParam, lParam);
  } catch (...) {
    win32::KeepFailure(std::current_exception());
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
}

}  // namespace

std::optional<std::wstring> AskText(HWND owner, const TextDialogOptions& options) {
  // Sizes in dialog units.
  const short width = options.multiline ? 300 : 260;
  const short editHeight = options.multiline ? 132 : 14;
  // A line of text is 8 units high; a prompt of many lines (a list of files) grows the dialog.
  const auto promptLines = static_cast<short>(std::min<std::ptrdiff_t>(
      40, 1 + std::count(options.prompt.begin(), options.prompt.end(), L'\n')));
  const short promptHeight = std::max<short>(18, static_cast<short>(8 * promptLines + 2));
  const short editTop = static_cast<short>(10 + promptHeight);
  const short height = static_cast<short>(editTop + editHeight + (options.multiline ? 30 : 36));
  DialogTemplate dialog(options.caption, width, height, SystemMessageFont());
  dialog.Add(kStaticAtom, SS_LEFT | SS_NOPREFIX, 7, 7, width - 14, promptHeight, -1, options.prompt);
  const DWORD editStyle = options.multiline
                              ? ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL
                              : ES_AUTOHSCROLL;
  dialog.Add(kEditAtom, WS_BORDER | WS_TABSTOP | editStyle, 7, editTop, width - 14, editHeight, kIdText);
  const short buttonTop = static_cast<short>(editTop + editHeight + 8);
  dialog.Add(kButtonAtom, BS_DEFPUSHBUTTON | WS_TABSTOP, width - 114, buttonTop, 50, 14, IDOK, Text(kTextOk));
  dialog.Add(kButtonAtom, BS_PUSHBUTTON | WS_TABSTOP, width - 57, buttonTop, 50, 14, IDCANCEL, Text(kTextCancel));
  DialogState state{&options, {}};
  const INT_PTR answer = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.get(), owner, &DialogProc,
                                                 reinterpret_cast<LPARAM>(&state));
  if (answer != IDOK) return std::nullopt;
  return state.result;
}

}  // namespace discfront::editor
