// Closing the window when a handler of the first close event destroys it already: the second
// event must not be announced from the freed window object. The handlers are bound in the
// template itself, so a second event that read the freed object's identifier would still find
// its handler after the working copy is gone.
#include <windows.h>

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "form/runtime_state.h"
#include "form/unit_events.h"
#include "template/countdown_units.h"
#include "window_commands/window_destroy_win.h"
#include "windows/support/runtime_harness.h"

namespace pellomi {
namespace {

struct CloseEvents {
  int requests = 0;
  int queries = 0;
  int destroyed = 0;
};
CloseEvents g_events;

void DestroyAtOnce(int, const std::int32_t*) {
  ++g_events.requests;
  RequestWindowDestroy(kCountdownWindowId, true);
}
void CountQuery(int, const std::int32_t*) {
  ++g_events.queries;
}
void CountDestroyed(int, const std::int32_t*) {
  ++g_events.destroyed;
}

HandlerRoutine NoHandlers(std::string_view) {
  return nullptr;
}

// Runs in a child process, so that a fault (a wrong count, a report box or a crash) ends only it.
TEST(WindowClose, DISABLED_FirstCloseEventDestroysTheWindow) {
  testing::EnsureRuntime(NoHandlers);
  std::vector<EventBinding>& bindings =
      Runtime().store.Find(kCountdownWindowId)->pristine.units.front().bindings;
  bindings.push_back({kEventCloseRequest, DestroyAtOnce});
  bindings.push_back({kEventCloseQuery, CountQuery});
  bindings.push_back({kEventDestroyed, CountDestroyed});
  HWND hwnd = testing::LoadCountdown();
  ASSERT_NE(hwnd, nullptr);

  SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(g_events.requests, 1);
  EXPECT_EQ(g_events.destroyed, 1);
  EXPECT_EQ(g_events.queries, 0);  // its window is gone: nothing left to announce it for
}

TEST(WindowClose, AHandlerOfTheFirstEventMayDestroyTheWindow) {
  const testing::ChildOutcome outcome =
      testing::RunChild("WindowClose.DISABLED_FirstCloseEventDestroysTheWindow");
  EXPECT_FALSE(outcome.sawBox) << outcome.boxText;
  EXPECT_EQ(outcome.exitCode, 0u);
}

}  // namespace
}  // namespace pellomi
