// Handle owners: whichever way an owner gives up its handle, the handle is closed once.
#include "win32/handles.h"

#include <gtest/gtest.h>

namespace win32 {
namespace {

bool IsOpen(HANDLE h) {
  DWORD flags = 0;
  return GetHandleInformation(h, &flags) != FALSE;
}

TEST(Handles, MovesLeaveOneOwnerAndCloseWhatTheTargetHeld) {
  const HANDLE first = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  const HANDLE second = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  {
    UniqueHandle a(first), b(second);
    b = std::move(a);
    EXPECT_FALSE(IsOpen(second)) << "the target's own handle is closed by the assignment";
    EXPECT_FALSE(a.valid());
    UniqueHandle c(std::move(b));
    c = std::move(c);
    EXPECT_TRUE(IsOpen(first)) << "a move onto itself keeps the handle";
  }
  EXPECT_FALSE(IsOpen(first));
  EXPECT_FALSE(UniqueHandle(INVALID_HANDLE_VALUE).valid()) << "a failed CreateFile is no handle to close";
}

}  // namespace
}  // namespace win32
