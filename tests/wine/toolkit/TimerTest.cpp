#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "tests/wine/support/WindowTest.h"
#include "toolkit/Timer.h"

namespace {

class TimerTest : public testing_support::WindowTest {
 protected:
  void Count(toolkit::Timer& timer) {
    timer.OnTimer = [this] { ++ticks; };
  }
  // Lets the timers run for a while without waiting for anything.
  void Pump(ULONGLONG milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
  }

  int ticks = 0;
};

TEST_F(TimerTest, ARunningTimerCallsAgainAndAgain) {
  toolkit::Timer timer;
  Count(timer);
  timer.SetInterval(10);
  timer.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([this] { return ticks >= 3; }, 3000)) << ticks << " calls";
}

TEST_F(TimerTest, AStoppedOrDestroyedTimerCallsNoMore) {
  struct Case {
    const char* name;
    bool destroy;
  };
  for (const Case c : {Case{"stopped", false}, Case{"destroyed", true}}) {
    std::optional<toolkit::Timer> timer(std::in_place);
    Count(*timer);
    timer->SetInterval(10);
    timer->SetEnabled(true);
    ASSERT_TRUE(PumpUntil([this] { return ticks >= 1; }, 3000)) << c.name;
    if (c.destroy) {
      timer.reset();
    } else {
      timer->SetEnabled(false);
    }
    ticks = 0;
    Pump(100);
    EXPECT_EQ(ticks, 0) << c.name;
  }
}

// Tests of timed behaviour fire a timer by sending the message it gets; a
// message still queued from before the timer was stopped is dropped.
TEST_F(TimerTest, ATimerMessageCallsOnlyWhileEnabled) {
  toolkit::Timer timer;
  Count(timer);
  EXPECT_EQ(timer.Interval(), 1000u) << "the default interval";
  for (const bool enabled : {true, false}) {
    ticks = 0;
    timer.SetEnabled(enabled);
    ::SendMessageW(timer.Handle(), WM_TIMER, 1, 0);
    EXPECT_EQ(ticks, enabled ? 1 : 0) << (enabled ? "enabled" : "stopped");
  }
}

}  // namespace
