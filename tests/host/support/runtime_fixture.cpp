#include "host/support/runtime_fixture.h"

#include <array>

namespace pellomi::testing {
namespace {

// One recording routine per handler name, so a call tells which binding it came through.
constexpr std::size_t kMaxHandlers = 32;
std::array<std::string, kMaxHandlers> g_names;

template <std::size_t I>
void Record(int argCount, const std::int32_t* args) {
  HandlerCalls().emplace_back(g_names[I], argCount > 0 ? args[0] : -1);
}

template <std::size_t... I>
constexpr std::array<HandlerRoutine, kMaxHandlers> MakeRecorders(std::index_sequence<I...>) {
  return {&Record<I>...};
}

constexpr auto kRecorders = MakeRecorders(std::make_index_sequence<kMaxHandlers>());

}  // namespace

std::vector<std::pair<std::string, int>>& HandlerCalls() {
  static std::vector<std::pair<std::string, int>> calls;
  return calls;
}

HandlerRoutine RecordingResolver(std::string_view name) {
  for (std::size_t i = 0; i < kMaxHandlers; ++i) {
    if (g_names[i] == name) return kRecorders[i];
    if (g_names[i].empty()) {
      g_names[i] = std::string(name);
      return kRecorders[i];
    }
  }
  return nullptr;
}

}  // namespace pellomi::testing
