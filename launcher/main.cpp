// discfront: the start-up menu of a distribution disc.
#include <windows.h>

#include <commctrl.h>

#include <optional>

#include "buttonex/button_ex.h"
#include "disc/disc_folder.h"
#include "disc/disc_language.h"
#include "disc/disc_settings.h"
#include "launcher/form1.h"
#include "win32/app_folder.h"
#include "win32/com_apartment.h"
#include "win32/file_io.h"
#include "win32/library_search.h"
#include "win32/message_box.h"
#include "win32/program_end.h"
#include "win32/string_table.h"

namespace {

// The disc's discfront.ini; a disc without one (or one that cannot be read) has every
// setting at its default.
discfront::DiscSettings ReadSettings() {
  std::string bytes;
  const discfront::DiscFolder disc(win32::ApplicationFolder());
  const bool read = win32::ReadWholeFile(disc.SettingsFile(), bytes, 65536) == discfront::ErrorNumber::kNone;
  return read ? discfront::ReadDiscSettings(bytes) : discfront::DiscSettings{};
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  win32::RestrictLibrarySearchToSystem();
  win32::SetProgramTitle(L"discfront");
  const discfront::DiscSettings settings = ReadSettings();
  // The disc's own language when it fixes one, else the user's.
  win32::UseStringTable(discfront::ChooseLanguage(settings.language, GetUserDefaultUILanguage()));
  const win32::ComApartment com;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  // Every way out ends here: the main window destroyed (Exit, closing it, the end of
  // the session) or a failure, reported once. A failure of the load is reported while
  // the hidden window is there as the load left it (the form outlives the body); once
  // the window has shown, the form, its windows and its notification icon are gone
  // before a failure's report shows.
  std::optional<discfront::Form1> form;
  return win32::RunProgram([&form, &settings, showCommand] {
    form.emplace(settings);
    form->Create();
    // A failure a window procedure kept during the load ends the program here, before
    // the window shows and before a message loop would end at once.
    win32::ThrowKeptFailure();
    struct CloseOnTheWayOut {
      std::optional<discfront::Form1>& form;
      ~CloseOnTheWayOut() { form.reset(); }
    } close{form};
    form->Show(showCommand);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      if (discfront::buttonex::ButtonEx::TranslateAccessKey(msg)) continue;
      if (form->PreTranslateMessage(msg)) continue;
      if (IsDialogMessageW(form->hwnd(), &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
  });
}
