#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "Drovane/DateTime.h"
#include "Drovane/LocalizedDate.h"
#include "Drovane/LocalizedTime.h"
#include "Drovane/SkyDayNight.h"
#include "Drovane/StringTableFixture.h"
#include "Drovane/WallClock.h"
#include "support/TempFolder.h"

namespace {

// US Eastern time: five hours behind UTC in standard time, with daylight saving.
class DateTimeTest : public testing::Test {
protected:
  void SetUp() override { tzset(); }
  void TearDown() override {
    SetWallClock({});
    tzset();
  }

  static uint32_t Hour(const CalendarDate& date, uint32_t hour, uint32_t minute = 0) {
    return DateTime(date, hour, minute, 0).GetHour();
  }

  ScopedEnvironment zone{"TZ", "EST5EDT"};
};

TEST_F(DateTimeTest, SecondsCountFrom1901InUtc) {
  ScopedEnvironment utc("TZ", "UTC0");
  tzset();
  EXPECT_EQ(DateTime(CalendarDate(1u, 1u, 1901u), 0, 0, 1).Seconds(), 1u);
  EXPECT_EQ(DateTime(CalendarDate(2u, 1u, 1901u), 1, 2, 3).Seconds(), 86400u + 3723u);
  EXPECT_EQ(DateTime(CalendarDate(31u, 12u, 1900u), 12, 0, 0).Seconds(), 0u) << "before the range";
  EXPECT_EQ(DateTime(CalendarDate(6u, 2u, 2037u), 12, 0, 0).Seconds(), 0u) << "after the range";
}

TEST_F(DateTimeTest, StandardTimeIsFiveHoursBehind) {
  DateTime noon(CalendarDate(15u, 1u, 1996u), 12, 30, 15);
  EXPECT_EQ(noon.GetUtcHour(), 17u);
  EXPECT_EQ(noon.GetHour(), 12u);
  EXPECT_EQ(noon.GetMinute(), 30u);
  EXPECT_EQ(noon.GetSecond(), 15u);
  EXPECT_FALSE(DateTime::IsDaylightSavingTime(noon.Seconds()));
  EXPECT_EQ(DateTime(CalendarDate(15u, 7u, 1996u), 12, 30, 15).GetUtcHour(), 16u);
}

struct SwitchCase {
  uint32_t year;
  uint32_t startDay, startMonth;
  uint32_t endDay;  // in October
};

class DaylightSavingTest : public DateTimeTest, public testing::WithParamInterface<SwitchCase> {};

// Around each switch: the hour before, the skipped hour (0) and the hour after; in autumn
// the last daylight-saving hour and the first standard one.
TEST_P(DaylightSavingTest, SwitchesByTheRulesOfItsYear) {
  const SwitchCase& c = GetParam();
  CalendarDate start(c.startDay, c.startMonth, c.year);
  EXPECT_EQ(Hour(start, 1, 59), 1u);
  EXPECT_EQ(DateTime(start, 2, 30, 0).Seconds(), 0u);
  EXPECT_EQ(Hour(start, 3, 0), 3u);
  EXPECT_TRUE(DateTime::IsDaylightSavingTime(DateTime(start, 3, 0, 0).Seconds()));
  CalendarDate dayBefore = CalendarDate::FromJulianDay(start.GetJulianDay() - 1);
  EXPECT_FALSE(DateTime::IsDaylightSavingTime(DateTime(dayBefore, 12, 0, 0).Seconds()));
  CalendarDate end(c.endDay, 10u, c.year);
  EXPECT_TRUE(DateTime::IsDaylightSavingTime(DateTime(end, 0, 30, 0).Seconds()));
  EXPECT_FALSE(DateTime::IsDaylightSavingTime(DateTime(end, 3, 0, 0).Seconds()));
  EXPECT_EQ(Hour(end, 3, 0), 3u);
}

INSTANTIATE_TEST_SUITE_P(Years, DaylightSavingTest,
                         testing::Values(SwitchCase{1974, 6, 1, 27}, SwitchCase{1975, 23, 2, 26},
                                         SwitchCase{1980, 27, 4, 26}, SwitchCase{1987, 5, 4, 25},
                                         SwitchCase{1996, 7, 4, 27}, SwitchCase{2001, 1, 4, 28}));

TEST_F(DateTimeTest, NoDaylightSavingWithoutTheFlag) {
  ScopedEnvironment standard("TZ", "EST5");
  tzset();
  DateTime summer(CalendarDate(15u, 7u, 1996u), 12, 0, 0);
  EXPECT_FALSE(DateTime::IsDaylightSavingTime(summer.Seconds()));
  EXPECT_EQ(summer.GetUtcHour(), 17u);
  EXPECT_NE(DateTime(CalendarDate(7u, 4u, 1996u), 2, 30, 0).Seconds(), 0u);
}

struct ClockCase {
  uint32_t hour, minute;
  const char* text;
};

class ClockTextTest : public DateTimeTest, public testing::WithParamInterface<ClockCase> {};

TEST_P(ClockTextTest, TwelveHourClock) {
  char buffer[CalendarDate::kFormatSize];
  DateTime time(CalendarDate(5u, 1u, 1996u), GetParam().hour, GetParam().minute, 7);
  EXPECT_STREQ(time.Format(buffer), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Times, ClockTextTest,
                         testing::Values(ClockCase{0, 5, "0:05:07 am"}, ClockCase{12, 0, "12:00:07 pm"},
                                         ClockCase{14, 5, "2:05:07 pm"}, ClockCase{11, 59, "11:59:07 am"}));

TEST_F(DateTimeTest, WithDateTheLocalDayComesFirst) {
  DateTime late(CalendarDate(5u, 1u, 1996u), 23, 0, 0);
  EXPECT_EQ(late.SetWithDate(1), 0);
  char buffer[CalendarDate::kFormatSize];
  EXPECT_STREQ(late.Format(buffer), "January 5, 1996 11:00:00 pm");
  EXPECT_EQ(late.GetUtcHour(), 4u);
}

TEST_F(DateTimeTest, NowAndDaytimeFollowTheClock) {
  SetWallClock([] { return std::time_t{820861200}; });  // 5 January 1996, 17:00 UTC, noon local
  EXPECT_TRUE(IsDaytime());
  DateTime now;
  now.SetToNow();
  EXPECT_EQ(now.GetHour(), 12u);
  EXPECT_EQ(now.LocalDate(), CalendarDate(5u, 1u, 1996u));
  EXPECT_EQ(DateTime(9, 15, 0).LocalDate(), CalendarDate(5u, 1u, 1996u));
  SetWallClock([] { return std::time_t{820800000 + 19 * 3600 + 5 * 3600}; });  // 19:00 local
  EXPECT_FALSE(IsDaytime());
  SetWallClock([] { return std::time_t{820800000 + 18 * 3600 + 5 * 3600}; });  // 18:00 local
  EXPECT_TRUE(IsDaytime());
}

class LocalizedTextTest : public DateTimeTest {
protected:
  ScopedStringTable table{SmallLanguageTable()};
};

struct FormCase {
  int32_t language;
  const char* date;
  const char* time;
};

class LocalizedFormTest : public LocalizedTextTest, public testing::WithParamInterface<FormCase> {};

TEST_P(LocalizedFormTest, DateAndTimeInTheLanguagesForm) {
  LocalizedDate date(5u, 1u, 1996u);
  LocalizedTime time(DateTime(CalendarDate(5u, 1u, 1996u), 14, 5, 0));
  char buffer[CalendarDate::kFormatSize];
  EXPECT_STREQ(date.Format(buffer, GetParam().language), GetParam().date);
  EXPECT_STREQ(time.Format(buffer, GetParam().language), GetParam().time);
}

INSTANTIATE_TEST_SUITE_P(Languages, LocalizedFormTest,
                         testing::Values(FormCase{1, " 1/ 5/96", " 2:05 pm"}, FormCase{2, " 5/ 1/96", "14: 5"},
                                         FormCase{4, " 5. 1.96", "14: 5"}, FormCase{5, " 5/ 1/96", "14. 5"},
                                         FormCase{8, " 5- 1-96", "14. 5"}, FormCase{11, "96. 1. 5", "14. 5"},
                                         FormCase{44, " 5/ 1/96", "14: 5"}));

TEST_F(LocalizedTextTest, TheObjectsLanguageAndTheCurrentOne) {
  LocalizedTime time(DateTime(CalendarDate(5u, 1u, 1996u), 9, 30, 0), 3);
  time.SetWithDate(1);
  char buffer[CalendarDate::kFormatSize];
  EXPECT_STREQ(time.Format(buffer, 0), " 5. 1.96  9:30");
  EXPECT_EQ(time.Language(), 3);
  ASSERT_EQ(SetCurrentLanguage(9), 1);
  EXPECT_STREQ(LocalizedDate(5u, 1u, 1996u).Format(buffer, 0), "96. 1. 5");
}

TEST_F(LocalizedTextTest, NamesComeFromTheTable) {
  LocalizedDate sunday(7u, 1u, 1996u);
  std::string text;
  sunday.GetDayNameText(text, 0);
  EXPECT_EQ(text, "Sunday");
  sunday.GetDayNameText(text, 3);
  EXPECT_EQ(text, "Sunday(!)");
  sunday.GetMonthNameText(text, 0);
  EXPECT_EQ(text, "January");
  EXPECT_EQ(FindMonthByName("December", 0), 12u);
  EXPECT_EQ(FindMonthByName("december", 0), 0u);
  EXPECT_EQ(FindMonthByName("Smarch", 0), 0u);
  EXPECT_EQ(FindWeekdayByName("Monday", 1), 1u);
  EXPECT_EQ(LocalizedDate(24u, "December", 1995u), CalendarDate(24u, 12u, 1995u));
  CalendarDate result;
  sunday.SetToNamedWeekday(result, "Monday", 0);
  EXPECT_EQ(result, CalendarDate(1u, 1u, 1996u));
  SetWallClock([] { return std::time_t{820861200}; });
  sunday.SetToNamedWeekday(result, "Blursday", 0);
  EXPECT_EQ(result, CalendarDate(5u, 1u, 1996u));
}

TEST(SkyDayNightTest, TheHookFollowsTheSwitch) {
  UpdateSkyDayNight();
  int calls = 0;
  SetSkyDayNightHook([&] { ++calls; });
  UpdateSkyDayNight();
  UpdateSkyDayNight();
  EXPECT_EQ(calls, 2);
  SetSkyDayNightHook({});
  UpdateSkyDayNight();
  EXPECT_EQ(calls, 2);
}

}  // namespace
