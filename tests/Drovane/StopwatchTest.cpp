#include <gtest/gtest.h>

#include "Drovane/Stopwatch.h"
#include "platform/Clock.h"

namespace {

class StopwatchTest : public testing::Test {
protected:
  void SetUp() override { platform::SetClockSource(&clock); }
  void TearDown() override { platform::SetClockSource(nullptr); }
  platform::ManualClock clock;
};

TEST_F(StopwatchTest, UnstartedReadsZero) {
  Stopwatch watch(0);
  clock.counter = 5000;
  EXPECT_EQ(watch.Elapsed(), 0u);
  EXPECT_FALSE(watch.IsRunning());
}

TEST_F(StopwatchTest, ModesReportTheirUnits) {
  clock.frequency = 2000000;  // two counts per microsecond
  clock.counter = 100;
  clock.systemMs = 10000;
  Stopwatch micro(0), milli(1), seconds(2);
  micro.Start();
  milli.Start();
  seconds.Start();
  clock.counter += 5000;
  clock.systemMs += 2500;
  EXPECT_EQ(micro.Elapsed(), 2500u);
  EXPECT_EQ(milli.Elapsed(), 2500u);
  EXPECT_EQ(seconds.Elapsed(), 2u);
  clock.systemMs += 500;  // the seconds boundary
  EXPECT_EQ(seconds.Elapsed(), 3u);
}

TEST_F(StopwatchTest, ModesPastMillisecondsCountSeconds) {
  clock.systemMs = 10000;
  for (int32_t mode : {3, 7, -1}) {
    Stopwatch watch(mode);
    watch.Start();
    clock.systemMs += 4500;
    EXPECT_EQ(watch.Elapsed(), 4u) << "mode " << mode;
    clock.systemMs += 500;
  }
}

TEST_F(StopwatchTest, SecondStartKeepsTheFirstReading) {
  Stopwatch watch(1);
  clock.systemMs = 100;
  watch.Start();
  clock.systemMs = 150;
  watch.Start();
  clock.systemMs = 400;
  EXPECT_EQ(watch.Elapsed(), 300u);
  watch.Restart();
  EXPECT_EQ(watch.Elapsed(), 0u);
}

TEST_F(StopwatchTest, ModeChangeClearsTheTime) {
  Stopwatch watch(1);
  clock.systemMs = 100;
  watch.Start();
  clock.systemMs = 300;
  watch.SetMode(1);
  EXPECT_EQ(watch.Elapsed(), 200u);
  watch.SetMode(2);
  EXPECT_FALSE(watch.IsRunning());
  EXPECT_EQ(watch.Elapsed(), 0u);
}

TEST_F(StopwatchTest, ClockWrapStillGivesTheDifference) {
  Stopwatch watch(1);
  clock.systemMs = 0xFFFFFF00u;
  watch.Start();
  clock.systemMs = 0x100;
  EXPECT_EQ(watch.Elapsed(), 0x200u);
}

TEST_F(StopwatchTest, RawReadingOfZeroStillStarts) {
  struct Case {
    int32_t mode;
    uint32_t systemMs;
    uint64_t counter;
  };
  // Mode 2 reads 0 for the whole first second; mode 0's low 32 bits wrap through 0.
  const Case cases[] = {{1, 0, 1}, {2, 999, 1}, {0, 1, 0x100000000ull}};
  for (const Case& c : cases) {
    clock.systemMs = c.systemMs;
    clock.counter = c.counter;
    Stopwatch watch(c.mode);
    watch.Start();
    EXPECT_TRUE(watch.IsRunning()) << "mode " << c.mode;
  }
}

TEST_F(StopwatchTest, DelayMsReturnsOnceTheTimeHasPassed) {
  clock.systemMs = 0;  // a clock reading 0 must not make the delay spin forever
  clock.msStepPerRead = 1;
  DelayMs(0);
  DelayMs(25);
  EXPECT_GE(clock.systemMs, 25u);
}

TEST_F(StopwatchTest, TimeMsFromCounterOrSystemTime) {
  gPerformanceFrequency = 1000000.0f;
  clock.counter = 2500000;
  EXPECT_FLOAT_EQ(GetTimeMs(), 2500.0f);
  clock.hasCounter = false;
  clock.systemMs = 1234;
  EXPECT_FLOAT_EQ(GetTimeMs(), 1234.0f);
}

}  // namespace
