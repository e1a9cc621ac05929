#pragma once
// Handlers of the tray event and of the exit item.
#include <cstdint>

namespace pellomi {

void OnTrayEvent(int argCount, const std::int32_t* args);
void OnExit(int argCount, const std::int32_t* args);

}  // namespace pellomi
