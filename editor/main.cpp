// frontsmith: the catalogue editor of Korvel Discfront.
#include <windows.h>

#include <commctrl.h>

#include "mainform.h"
#include "mainform_menu.h"
#include "messages.h"
#include "win32/com_apartment.h"
#include "win32/library_search.h"
#include "win32/message_box.h"
#include "win32/program_end.h"
#include "win32/string_table.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  win32::RestrictLibrarySearchToSystem();
  const win32::ComApartment com;
  const win32::OleSession ole;  // files dropped from the shell on the entries list
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  win32::SetProgramTitle(discfront::editor::kProgramTitle);
  win32::UseStringTable(win32::UserUiLanguage());

  // A failure that escaped a window procedure ends the loop and is reported here,
  // once the windows are gone.
  return win32::RunProgram([showCommand] {
    discfront::editor::Mainform mainform;
    mainform.Create(showCommand);
    HACCEL accelerators = discfront::editor::CreateMainAccelerators();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      if (TranslateAcceleratorW(mainform.hwnd(), accelerators, &msg)) continue;
      if (mainform.PreTranslateMessage(msg)) continue;
      if (IsDialogMessageW(mainform.hwnd(), &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    DestroyAcceleratorTable(accelerators);
    return static_cast<int>(msg.wParam);
  });
}
