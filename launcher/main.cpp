// discfront: the start-up menu of a distribution disc.
#include <windows.h>

#include <commctrl.h>

#include "buttonex/button_ex.h"
#include "launcher/form1.h"
#include "win32/com_apartment.h"
#include "win32/library_search.h"
#include "win32/message_box.h"
#include "win32/program_end.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  win32::RestrictLibrarySearchToSystem();
  win32::SetProgramTitle(L"discfront");
  const win32::ComApartment com;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  // Every way out ends here: the main window destroyed (Exit, closing it, the end of
  // the session) or a failure. The form, its windows and its notification icon are
  // gone before a failure's report shows.
  return win32::RunProgram([showCommand] {
    discfront::Form1 form;
    if (!form.Create()) return form.ExitCode();
    form.Show(showCommand);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      if (discfront::buttonex::ButtonEx::TranslateAccessKey(msg)) continue;
      if (form.PreTranslateMessage(msg)) continue;
      if (IsDialogMessageW(form.hwnd(), &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
  });
}
