// The stack protector of the Windows build: a write past a local buffer must end the process with
// STATUS_STACK_BUFFER_OVERRUN when the function returns, before the overwritten return address is
// used; the same function within bounds returns normally.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstddef>

#include "windows/support/runtime_harness.h"

namespace pellomi {
namespace {

// Writes `count` bytes into an 8-byte buffer through a pointer the compiler cannot see through,
// so that it neither rejects nor trims the loop.
__attribute__((noinline)) int FillBuffer(std::size_t count) {
  char buffer[8];
  char* out = buffer;
  asm volatile("" : "+r"(out));
  for (std::size_t i = 0; i < count; ++i) out[i] = 'x';
  asm volatile("" : : "r"(out) : "memory");
  return buffer[0];
}

TEST(StackGuard, DISABLED_WithinBounds) {
  EXPECT_EQ(FillBuffer(8), 'x');
}

TEST(StackGuard, DISABLED_Overrun) {
  FillBuffer(64);
  ADD_FAILURE() << "the overrun went unnoticed";
}

TEST(StackGuard, AnOverrunEndsTheProcessAndBoundedWritesDoNot) {
  EXPECT_EQ(testing::RunChild("StackGuard.DISABLED_WithinBounds").exitCode, 0u);
  EXPECT_EQ(testing::RunChild("StackGuard.DISABLED_Overrun").exitCode,
            static_cast<DWORD>(STATUS_STACK_BUFFER_OVERRUN));
}

}  // namespace
}  // namespace pellomi
