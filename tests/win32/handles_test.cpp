// Handle owners: every way of giving up a handle closes it exactly once.
#include "win32/handles.h"

#include <gtest/gtest.h>

namespace win32 {
namespace {

bool IsOpen(HANDLE h) {
  DWORD flags = 0;
  return GetHandleInformation(h, &flags) != FALSE;
}

HANDLE NewEvent() { return CreateEventW(nullptr, TRUE, FALSE, nullptr); }

TEST(Handles, MovesLeaveOneOwnerAndCloseWhatTheTargetHeld) {
  const HANDLE first = NewEvent(), second = NewEvent();
  {
    UniqueHandle a(first), b(second);
    b = std::move(a);
    EXPECT_FALSE(IsOpen(second)) << "the target's own handle is closed by the assignment";
    EXPECT_EQ(b.get(), first);
    EXPECT_FALSE(a.valid());
    UniqueHandle c(std::move(b));
    EXPECT_FALSE(b.valid());
    c = std::move(c);
    EXPECT_TRUE(IsOpen(first)) << "a move onto itself keeps the handle";
  }
  EXPECT_FALSE(IsOpen(first));

  const HANDLE kept = NewEvent();
  HANDLE released = UniqueHandle(kept).release();
  EXPECT_TRUE(IsOpen(released));
  CloseHandle(released);
  EXPECT_FALSE(UniqueHandle(INVALID_HANDLE_VALUE).valid()) << "a failed CreateFile is no handle to close";
}

}  // namespace
}  // namespace win32
