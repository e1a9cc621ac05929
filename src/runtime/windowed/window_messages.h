#pragma once
// Private window messages of the runtime.
#include <cstdint>

namespace pellomi {

inline constexpr std::uint32_t kDeferredDestroyMessage = 0x8000u + 101u;  // WM_APP + 101
inline constexpr std::uint32_t kExitRequestMessage = 0x8000u + 999u;      // WM_APP + 999

}  // namespace pellomi
