// The stack protector's guard and failure handlers for the MinGW-w64 build
// (-fstack-protector-strong, _FORTIFY_SOURCE). libssp has them too, but its start-up asks the
// crypto provider for the guard, which loads the crypto libraries into every start of the
// program; the guard is instead mixed from the same sources Windows' own /GS cookie uses. A
// failed check ends the process at once with the status Windows reports for it.
#if defined(__MINGW32__)
#include <windows.h>

#include <cstdint>

extern "C" {

std::uintptr_t __stack_chk_guard = static_cast<std::uintptr_t>(0x2B992DDFA232ull);

[[noreturn]] void __stack_chk_fail() {
  TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
  __builtin_unreachable();
}

// Called by libssp's checked memory and string functions when a copy would overrun.
[[noreturn]] void __chk_fail() {
  __stack_chk_fail();
}

}  // extern "C"

namespace {

// Runs before any constructor or main, while only unprotected runtime frames are on the stack,
// so no frame sees the guard change under it.
__attribute__((constructor(101), no_stack_protector)) void SetStackGuard() {
  FILETIME time{};
  GetSystemTimeAsFileTime(&time);
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  std::uint64_t value = (std::uint64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime) ^
                        static_cast<std::uint64_t>(counter.QuadPart) ^
                        (std::uint64_t{GetCurrentProcessId()} << 32) ^ GetCurrentThreadId() ^
                        reinterpret_cast<std::uintptr_t>(&time);  // the stack's random base
  const auto guard = static_cast<std::uintptr_t>(value ^ (value >> 32));
  // Zero would make a zero-filled overrun pass unnoticed; keep the default then.
  if (guard != 0) __stack_chk_guard = guard;
}

}  // namespace
#endif
