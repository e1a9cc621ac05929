// Event delivery: suspension, bindings, menu items and the fatal cases.
#include <gtest/gtest.h>

#include "common/fatal_error_capture.h"
#include "form/runtime_error.h"
#include "form/runtime_texts.h"
#include "form/unit_notifications.h"
#include "host/support/runtime_fixture.h"

namespace pellomi {
namespace {

using testing::HandlerCalls;

class EventDelivery : public testing::RuntimeTest {
 protected:
  std::string FatalTextOf(WindowId window, UnitId unit, int event) {
    try {
      FireEvent(window, unit, event, 0, nullptr);
    } catch (const FatalRuntimeError& error) {
      return error.text;
    }
    return "";
  }
};

TEST_F(EventDelivery, BoundEventsCallTheirHandlerWithArguments) {
  std::int32_t code = 3;
  EXPECT_TRUE(FireEvent(kCountdownWindowId, 0, 9, 1, &code));
  EXPECT_TRUE(FireEvent(kCountdownWindowId, kWindowUnitId, 0, 0, nullptr));
  EXPECT_TRUE(FireEvent(kCountdownWindowId, units::kTimer, 0, 0, nullptr));
  ASSERT_EQ(HandlerCalls().size(), 3u);
  EXPECT_EQ(HandlerCalls()[0], std::make_pair(std::string("OnTrayEvent"), 3));
  EXPECT_EQ(HandlerCalls()[1].first, "OnWindowCreated");
  EXPECT_EQ(HandlerCalls()[2].first, "OnTimer");
}

TEST_F(EventDelivery, UnboundEventsAndHandlerlessItemsDoNothing) {
  EXPECT_FALSE(FireEvent(kCountdownWindowId, 0, 3, 0, nullptr));
  EXPECT_FALSE(FireEvent(kCountdownWindowId, 0, 12, 0, nullptr));
  EXPECT_FALSE(FireEvent(kCountdownWindowId, units::kAlpha300, 0, 0, nullptr));
  EXPECT_FALSE(FireEvent(kCountdownWindowId, units::kAuthor, 0, 0, nullptr));
  EXPECT_TRUE(HandlerCalls().empty());
}

TEST_F(EventDelivery, MenuItemsIgnoreTheEventNumber) {
  EXPECT_TRUE(FireEvent(kCountdownWindowId, units::kExit, 0, 0, nullptr));
  EXPECT_TRUE(FireEvent(kCountdownWindowId, units::kExit, 42, 0, nullptr));
  ASSERT_EQ(HandlerCalls().size(), 2u);
  EXPECT_EQ(HandlerCalls()[1].first, "OnExit");
}

TEST_F(EventDelivery, SuspendedWhileLoadingReportingOrTerminating) {
  {
    LoadSuspension loading;
    EXPECT_FALSE(FireEvent(kCountdownWindowId, units::kTimer, 0, 0, nullptr));
    // Suspension is checked before the lookups: no fatal error for unknown units meanwhile.
    EXPECT_FALSE(FireEvent(0x52999999u, 0, 0, 0, nullptr));
  }
  EXPECT_TRUE(FireEvent(kCountdownWindowId, units::kTimer, 0, 0, nullptr));
  Runtime().terminating = true;
  EXPECT_FALSE(FireEvent(kCountdownWindowId, units::kTimer, 0, 0, nullptr));
  Runtime().terminating = false;
  Runtime().errorsReported = 1;
  EXPECT_FALSE(FireEvent(kCountdownWindowId, units::kTimer, 0, 0, nullptr));
  EXPECT_EQ(HandlerCalls().size(), 1u);
}

TEST_F(EventDelivery, UnknownWindowUnitOrSilentKindIsFatal) {
  EXPECT_NE(FatalTextOf(0x52010002u, 0, 0).find(texts::kEventWindowMissing), std::string::npos);
  Reset();
  SetUp();
  EXPECT_NE(FatalTextOf(kCountdownWindowId, 0x16019999u, 0).find(texts::kEventUnitMissing),
            std::string::npos);
  Reset();
  SetUp();
  EXPECT_NE(
      FatalTextOf(kCountdownWindowId, units::kCountdownLabel, 0).find(texts::kEventUnitInvalid),
      std::string::npos);
}

TEST_F(EventDelivery, DestroyingTheWindowUnitDropsTheWorkingCopy) {
  Working().units[2 + 4].menu.flags = 0;  // a check mark written while loaded
  NotifyUnitDestroyed(kCountdownWindowId, units::kTimer);
  EXPECT_TRUE(Entry().working);
  NotifyUnitDestroyed(kCountdownWindowId, 0);
  EXPECT_FALSE(Entry().working);
  // A later load starts from the template values again.
  EXPECT_NE(Working().units[2 + 4].menu.flags & kMenuChecked, 0u);
}

}  // namespace
}  // namespace pellomi
