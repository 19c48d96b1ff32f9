// The entry point of test programs that decode pictures: like a program, the test
// starts COM once on its main thread and ends it after the last test.
#include <gtest/gtest.h>

#include "win32/com_apartment.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const win32::ComApartment com;
  return RUN_ALL_TESTS();
}
