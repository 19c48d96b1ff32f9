// a11y_named_controls: the share of the interactive controls of the launcher, its
// preview and the editor that an accessibility client finds with a role other than
// "client", a name, and, for buttons, a default action that does what a click does.
// What the client reads of each control goes to stderr.
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <string>

#include "uidriver/uidriver.h"
#include "win32/app_folder.h"

namespace {

// Console text as UTF-8, whatever the C library's locale makes of wide strings.
std::string Utf8(const std::wstring& text) {
  std::string bytes(text.size() * 4, '\0');
  bytes.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                                            bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                                            nullptr)));
  return bytes;
}

int counted = 0;
int usable = 0;

// Reads the control and counts it; `acted` (for a button) does its default action and
// says whether its effect came.
bool Count(const char* what, HWND control, bool (*acted)(HWND) = nullptr) {
  const uidriver::AccessibleReading r = uidriver::ReadAccessible(control);
  bool ok = r.answered && r.role != ROLE_SYSTEM_CLIENT && !r.name.empty();
  std::fprintf(stderr, "%s: role %ld, name \"%s\", shortcut \"%s\", state 0x%lx, default action \"%s\"", what, r.role,
               Utf8(r.name).c_str(), Utf8(r.shortcut).c_str(), r.state, Utf8(r.defaultAction).c_str());
  std::fprintf(stderr, "\n");
  if (acted != nullptr) {
    const bool works = !r.defaultAction.empty() && acted(control);
    std::fprintf(stderr, "%s: its default action works: %s\n", what, works ? "yes" : "no");
    ok = ok && works;
  }
  ++counted;
  if (ok) ++usable;
  return ok;
}

DWORD ProcessOf(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  return id;
}

std::wstring reportFile;

}  // namespace

int main() {
  const std::wstring folder = win32::ApplicationFolder();
  const std::wstring disc = folder + L"\\install_disc";
  reportFile = disc + L"\\a11y_started.txt";
  SetEnvironmentVariableW(L"DISCFRONT_SAMPLE_REPORT", reportFile.c_str());
  DeleteFileW(reportFile.c_str());

  uidriver::Process launcher = uidriver::Process::Start(disc + L"\\discfront.exe");
  HWND main = uidriver::WaitForWindow({.className = L"Korvel Discfront BETA", .processId = launcher.Id()});
  HWND list = main != nullptr ? uidriver::FindChild(main, {.className = L"ListBox"}) : nullptr;
  if (list == nullptr || !uidriver::SelectListBoxItem(list, 0)) {
    std::printf("figure: a11y_named_controls = 0 (failed: no launcher)\n");
    return 1;
  }
  auto button = [&](int id) { return uidriver::FindChild(main, {.id = id}); };
  Count("launcher List", list);
  Count("launcher AboutProg", button(101));
  Count("launcher cmdInstal", button(102), [](HWND b) {
    if (!uidriver::DoDefaultAction(b)) return false;
    return uidriver::WaitUntil([] { return GetFileAttributesW(reportFile.c_str()) != INVALID_FILE_ATTRIBUTES; });
  });
  Count("launcher cmdPic", button(103), [](HWND b) {
    if (!uidriver::DoDefaultAction(b)) return false;
    HWND preview = uidriver::WaitForWindow({.title = L"Form2", .processId = ProcessOf(b)});
    if (preview == nullptr) return false;
    Count("preview frmPic", preview);
    PostMessageW(preview, WM_KEYDOWN, VK_ESCAPE, 0);
    return uidriver::WaitForWindowGone(preview);
  });
  Count("launcher Command1", button(104), [](HWND b) {
    if (!uidriver::DoDefaultAction(b)) return false;
    HWND about = uidriver::WaitForWindow({.className = L"#32770", .processId = ProcessOf(b)});
    if (about == nullptr) return false;
    PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
    return uidriver::WaitForWindowGone(about);
  });
  static uidriver::Process* running = &launcher;
  Count("launcher cmdQuit", button(105), [](HWND b) { return uidriver::DoDefaultAction(b) && running->WaitForExit(); });

  uidriver::Process editor = uidriver::Process::Start(folder + L"\\frontsmith.exe");
  HWND form = uidriver::WaitForWindow({.title = L"Редактор Korvel Discfront", .processId = editor.Id()});
  if (form == nullptr) {
    std::printf("figure: a11y_named_controls = 0 (failed: no editor)\n");
    return 1;
  }
  const struct {
    const char* what;
    int id;
  } fields[] = {{"editor txtNameSoft", 101}, {"editor txtWay", 102}, {"editor txtPic", 103},
                {"editor txtCom", 104},      {"editor zap", 112}};
  for (const auto& f : fields) Count(f.what, GetDlgItem(form, f.id));
  static HWND zap = GetDlgItem(form, 112);
  // Insert adds a record after the one typed, Delete takes it away again.
  for (const int field : {101, 102, 103, 104}) uidriver::SetText(GetDlgItem(form, field), L"\\x.exe");
  auto itemsBecome = [](HWND b, std::size_t count) {
    return uidriver::DoDefaultAction(b) && uidriver::WaitUntil([&] { return uidriver::ComboBoxItems(zap).size() == count; });
  };
  static decltype(itemsBecome)* check = &itemsBecome;
  Count("editor cmdPaste", GetDlgItem(form, 105), [](HWND b) { return (*check)(b, 2); });
  Count("editor cmdDel", GetDlgItem(form, 111), [](HWND b) { return (*check)(b, 1); });
  editor.Kill();

  std::printf("figure: a11y_named_controls = %.2f (%d of %d controls)\n", static_cast<double>(usable) / counted,
              usable, counted);
  return 0;
}
