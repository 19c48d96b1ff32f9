// Building the outline of a large bitmap leaves no copy of its pixels behind.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include "win32/region_builder.h"

namespace win32 {
namespace {

SIZE_T CommittedBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  return counters.PagefileUsage;  // what Wine counts as committed private memory
}

TEST(RegionBuffer, ALargeBitmapsPixelCopyIsFreedAfterTheBuild) {
  // A device bitmap's pixels are copied out to be read: 48 MB for 4000 x 3000.
  WindowDc screen(nullptr);
  UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), 4000, 3000));
  ASSERT_TRUE(bitmap);
  {
    // Painted first, so that the bitmap's own memory is counted before the build.
    MemoryDc dc(screen.get());
    SelectGuard select(dc.get(), bitmap.get());
    PatBlt(dc.get(), 0, 0, 4000, 3000, WHITENESS);
  }
  const SIZE_T before = CommittedBytes();
  ASSERT_TRUE(BuildRegionFromBitmap(bitmap.get(), RGB(255, 0, 255)));
  EXPECT_LT(CommittedBytes(), before + (16u << 20)) << "before " << before << ", after " << CommittedBytes();
}

}  // namespace
}  // namespace win32
