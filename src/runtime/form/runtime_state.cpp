#include "form/runtime_state.h"

#include <algorithm>

namespace pellomi {

RuntimeState& Runtime() {
  static RuntimeState state;
  return state;
}

void RegisterCleanup(CleanupRoutine routine) {
  auto& cleanups = Runtime().cleanups;
  if (std::find(cleanups.begin(), cleanups.end(), routine) == cleanups.end()) {
    cleanups.push_back(routine);
  }
}

void RunCleanupRoutines() {
  auto& cleanups = Runtime().cleanups;
  for (std::size_t i = 0; i < cleanups.size(); ++i) cleanups[i](static_cast<std::int32_t>(i));
}

}  // namespace pellomi
