// A failing accept step (it writes files) ends the text dialog as cancelled and is kept for the report.
#include <windows.h>

#include <gtest/gtest.h>

#include <new>
#include <thread>

#include "editor/text_dialog.h"
#include "uidriver/uidriver.h"
#include "win32/program_end.h"

namespace discfront::editor {
namespace {

TEST(TextDialog, AFailingAcceptEndsTheDialogAndIsKeptForTheReport) {
  std::thread user([] {
    HWND dialog = uidriver::WaitForWindow({.className = L"#32770", .title = L"Failing", .processId = GetCurrentProcessId()});
    if (dialog != nullptr) uidriver::PressButton(uidriver::FindChild(dialog, {.className = L"Button", .id = IDOK}));
  });
  std::optional<std::wstring> answer;
  EXPECT_NO_THROW(answer = AskText(nullptr, {L"Failing", L"", L"typed", false, [](HWND, const std::wstring&) -> bool {
                                               throw std::bad_alloc();
                                             }}));
  user.join();
  EXPECT_FALSE(answer.has_value());
  EXPECT_THROW(win32::ThrowKeptFailure(), std::bad_alloc);
  MSG quit{};
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program's loop is asked to end";
}

}  // namespace
}  // namespace discfront::editor
