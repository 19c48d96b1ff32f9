// The one way out: a failure inside a window procedure ends the message loop and
// reaches the program's main, where the report names it (memory running out is
// error 7); nothing ends the process from inside the procedure.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <stdexcept>
#include <thread>

#include "base/numbered_error.h"
#include "tests/failing_allocations.h"
#include "win32/accessible_name.h"
#include "win32/error_report.h"
#include "win32/program_end.h"
#include "win32/window.h"
#include "uidriver/message_box.h"

namespace win32 {
namespace {

using discfront::ErrorNumber;

TEST(ProgramEnd, EachFailureGetsItsReport) {
  const struct {
    std::exception_ptr failure;
    ErrorNumber number;
    std::wstring file;
    std::wstring describes;
  } cases[] = {
      {std::make_exception_ptr(std::bad_alloc()), ErrorNumber::kOutOfMemory, L"", L"Ошибка 7: Недостаточно памяти."},
      {std::make_exception_ptr(discfront::NumberedError(ErrorNumber::kFileNotFound, L"")), ErrorNumber::kFileNotFound,
       L"", L"Ошибка 53: Файл не найден."},
      {std::make_exception_ptr(ReportedError({ErrorNumber::kOverflow, L"C:\\d\\skin\\back.bmp", 0})),
       ErrorNumber::kOverflow, L"C:\\d\\skin\\back.bmp", L"Ошибка 6: Переполнение."},
      {std::make_exception_ptr(std::runtime_error("other")), ErrorNumber::kNone, L"", L""},
  };
  for (const auto& c : cases) {
    const ErrorReport report = ReportOf(c.failure);
    EXPECT_EQ(report.number, c.number) << discfront::ToInt(c.number);
    EXPECT_EQ(report.fileName, c.file);
    if (!c.describes.empty()) {
      EXPECT_EQ(FormatErrorReport(report).rfind(c.describes, 0), 0U);
    }
  }
}

TEST(ErrorReport, MissingFileNamesNoRecord) {
  const std::wstring text = FormatErrorReport({ErrorNumber::kFileNotFound, L"C:\\disc\\info.txt", 0});
  EXPECT_NE(text.find(L"C:\\disc\\info.txt"), std::wstring::npos);
  EXPECT_EQ(text.find(L"Запись"), std::wstring::npos);
}

class Failing : public Window<Failing> {
 public:
  static constexpr UINT kFail = WM_APP + 7;
  Failing() {
    RegisterClassOnce(L"ProgramEndTest.Failing");
    CreateWindowFor(L"ProgramEndTest.Failing", L"", WS_POPUP, 0, 0, 0, 10, 10);
  }
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kFail) throw std::bad_alloc();
    return DefaultHandling(msg, wParam, lParam);
  }
};

TEST(ProgramEnd, AFailureInAWindowProcedureLeavesTheLoopAndReachesMain) {
  std::exception_ptr reached;
  {
    Failing window;
    ASSERT_NE(window.hwnd(), nullptr);
    EXPECT_EQ(SendMessageW(window.hwnd(), Failing::kFail, 0, 0), 0);
    EXPECT_TRUE(IsWindow(window.hwnd())) << "the window goes with its object, not from inside its procedure";
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    try {
      ThrowKeptFailure();
    } catch (...) {
      reached = std::current_exception();
    }
  }
  EXPECT_EQ(ReportOf(reached).number, ErrorNumber::kOutOfMemory);
  EXPECT_NO_THROW(ThrowKeptFailure()) << "thrown once";
}

// The same way out from a control's subclass: memory running out while a control named
// for accessibility answers a client ends the loop, not the process.
TEST(ProgramEnd, AFailureInANamedControlsAnswerReachesMain) {
  const HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(SetAccessibleName(list, L"Программы на диске", ROLE_SYSTEM_LIST));
  LRESULT answer = -1;
  {
    const discfront::testing::FailingAllocations failing(1);  // the object, not the copy of its name
    answer = SendMessageW(list, WM_GETOBJECT, 0, OBJID_CLIENT);
  }
  EXPECT_EQ(answer, 0);
  MSG quit{};
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_THROW(ThrowKeptFailure(), std::bad_alloc);
  DestroyWindow(list);
}

// As wWinMain runs it: the main window's end has asked the loop to end, then the
// failure arrives; the report stays until it is answered, and the exit code is its number.
TEST(ProgramEnd, RunProgramReportsWhatReachesIt) {
  int exitCode = -1;
  std::thread program([&] {
    exitCode = RunProgram([]() -> int {
      PostQuitMessage(0);
      throw std::bad_alloc();
    });
  });
  const HWND box = uidriver::WaitForMessageBox(GetCurrentProcessId());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(uidriver::ReadMessageBox(box).text.rfind(L"Ошибка 7: Недостаточно памяти.", 0), 0U);
  EXPECT_TRUE(uidriver::PressMessageBoxButton(box));
  program.join();
  EXPECT_EQ(exitCode, 7);
}

}  // namespace
}  // namespace win32

// This program's memory, which runs out on demand (the library's operator delete frees it).
void* operator new(std::size_t size) {
  if (!discfront::testing::AllocationsFail()) {
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  }
  throw std::bad_alloc();
}
