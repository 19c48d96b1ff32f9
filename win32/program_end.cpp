#include "win32/program_end.h"

#include <utility>

namespace win32 {
namespace {

void (*g_atEnd)() = nullptr;

}  // namespace

void SetAtProgramEnd(void (*atEnd)()) { g_atEnd = atEnd; }

void EndProgram(UINT exitCode) {
  // Cleared before it runs, so that a failure inside it cannot loop back here.
  if (void (*atEnd)() = std::exchange(g_atEnd, nullptr)) atEnd();
  ExitProcess(exitCode);
}

}  // namespace win32
