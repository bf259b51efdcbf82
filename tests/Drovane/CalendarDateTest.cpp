#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "Drovane/CalendarDate.h"
#include "Drovane/WallClock.h"
#include "support/TempFolder.h"

namespace {

struct DayCase {
  uint32_t day, month, year;
  uint32_t julianDay;
  uint32_t weekday;
};

class JulianDayTest : public testing::TestWithParam<DayCase> {};

TEST_P(JulianDayTest, BothWays) {
  const DayCase& c = GetParam();
  CalendarDate date(c.day, c.month, c.year);
  EXPECT_EQ(date.GetJulianDay(), c.julianDay);
  EXPECT_EQ(date.Weekday(), c.weekday);
  uint32_t month, day, year;
  date.Split(month, day, year);
  EXPECT_EQ(day, c.day);
  EXPECT_EQ(month, c.month);
  EXPECT_EQ(year, c.year < 100 ? c.year + 1900 : c.year);
}

INSTANTIATE_TEST_SUITE_P(Days, JulianDayTest,
                         testing::Values(DayCase{1, 1, 1901, 2415386, 2}, DayCase{29, 2, 2000, 2451604, 2},
                                         DayCase{5, 1, 96, 2450088, 5}, DayCase{31, 12, 1999, 2451544, 5},
                                         DayCase{5, 2, 2037, 2465095, 4}, DayCase{1, 3, 100, 1757644, 1},
                                         DayCase{14, 10, 1066, 2110695, 7}));

TEST(CalendarDateTest, InvalidDatesAreZero) {
  EXPECT_EQ(CalendarDate::JulianDay(2, 29, 1900), 0u);
  EXPECT_EQ(CalendarDate::JulianDay(2, 29, 0), 0u) << "year 0 is 1900";
  EXPECT_EQ(CalendarDate::JulianDay(2, 29, 100), 0u);
  EXPECT_EQ(CalendarDate::JulianDay(13, 1, 2000), 0u);
  EXPECT_EQ(CalendarDate::JulianDay(4, 31, 2000), 0u);
  EXPECT_EQ(CalendarDate::JulianDay(1, 0, 2000), 0u);
  EXPECT_TRUE(CalendarDate::IsValidDate(2, 29, 2000));
  EXPECT_FALSE(CalendarDate(31u, 6u, 2001u).IsValid());
}

TEST(CalendarDateTest, DayCountsAndYearParts) {
  EXPECT_EQ(CalendarDate(0u, 0u).GetJulianDay(), CalendarDate::kFirstDay);
  CalendarDate date(60u, 2000u);
  EXPECT_EQ(date, CalendarDate(29u, 2u, 2000u));
  EXPECT_EQ(date.DayOfYear(), 60u);
  EXPECT_EQ(date.YearInCentury(), 0u);
  EXPECT_EQ(date.DaysInYear(), 366u);
  EXPECT_EQ(CalendarDate(1u, 1u, 1999u).DaysInYear(), 365u);
  EXPECT_EQ(CalendarDate::DayOfYearOfMonthStart(3, 2000), 61u);
  EXPECT_EQ(CalendarDate::DayOfYearOfMonthStart(3, 1999), 60u);
  EXPECT_EQ(Min(date, CalendarDate(1u, 1u, 2000u)).Day(), 1u);
  EXPECT_EQ(Max(date, CalendarDate(1u, 1u, 2000u)), date);
}

TEST(CalendarDateTest, NamesMatchTheirBeginningIgnoringCase) {
  EXPECT_EQ(CalendarDate::FindMonth("dec"), 12u);
  EXPECT_EQ(CalendarDate::FindMonth("Ju"), 7u) << "searched from the last entry";
  EXPECT_EQ(CalendarDate::FindMonth("Decembers"), 0u);
  EXPECT_EQ(CalendarDate::FindMonth(""), 0u);
  EXPECT_EQ(CalendarDate::FindWeekday("t"), 4u);
  EXPECT_EQ(CalendarDate::FindWeekday("SUN"), 7u);
  EXPECT_STREQ(CalendarDate::MonthName(1), "January");
  EXPECT_EQ(CalendarDate::MonthName(13), nullptr);
  EXPECT_EQ(CalendarDate::DayName(0), nullptr);
  EXPECT_EQ(CalendarDate(5u, "jan", 1996u), CalendarDate(5u, 1u, 1996u));
}

TEST(CalendarDateTest, PreviousWeekday) {
  CalendarDate friday(5u, 1u, 1996u);
  EXPECT_EQ(friday.Previous(5u), friday);
  EXPECT_EQ(friday.Previous(1u), CalendarDate(1u, 1u, 1996u));
  EXPECT_EQ(friday.Previous("Sat"), CalendarDate(30u, 12u, 1995u));
}

struct StyleCase {
  uint32_t style;
  const char* text;
};

class PrintStyleTest : public testing::TestWithParam<StyleCase> {};

TEST_P(PrintStyleTest, Writes) {
  CalendarDate date(5u, 1u, 1996u);
  date.SetPrintStyle(GetParam().style);
  char buffer[CalendarDate::kFormatSize];
  EXPECT_STREQ(date.Format(buffer), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Styles, PrintStyleTest,
                         testing::Values(StyleCase{0, "January 5, 1996"}, StyleCase{1, " 5-Jan-1996"},
                                         StyleCase{2, "1/5/1996"}, StyleCase{3, "5/1/1996"},
                                         StyleCase{4, "5 January 1996"}, StyleCase{5, ""}));

TEST(CalendarDateTest, AnInvalidDatePrintsNothing) {
  std::ostringstream out;
  out << CalendarDate(0u, 13u, 2000u);
  EXPECT_EQ(out.str(), "");
}

struct ParseCase {
  const char* text;
  uint32_t day, month, year;  // 0: the read fails
};

class DateParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(DateParseTest, Reads) {
  std::istringstream in(GetParam().text);
  CalendarDate date(1u, 1u, 2000u);
  in >> date;
  if (GetParam().day == 0) {
    EXPECT_TRUE(in.fail());
    EXPECT_FALSE(date.IsValid());
    return;
  }
  EXPECT_FALSE(in.fail());
  EXPECT_EQ(date, CalendarDate(GetParam().day, GetParam().month, GetParam().year));
}

INSTANTIATE_TEST_SUITE_P(Texts, DateParseTest,
                         testing::Values(ParseCase{"1/5/1996", 5, 1, 1996}, ParseCase{"  (12-31-99)", 31, 12, 1999},
                                         ParseCase{"January 5, 1996", 5, 1, 1996}, ParseCase{"5 jan 96", 5, 1, 1996},
                                         ParseCase{"5-Jan-1996", 5, 1, 1996}, ParseCase{"2/30/1996", 0, 0, 0},
                                         ParseCase{"Smarch 5 1996", 0, 0, 0}, ParseCase{"", 0, 0, 0}));

TEST(CalendarDateTest, TodayComesFromTheClock) {
  ScopedEnvironment zone("TZ", "UTC0");
  SetWallClock([] { return std::time_t{820800000}; });  // 5 January 1996, 00:00 UTC
  EXPECT_EQ(CalendarDate(), CalendarDate(5u, 1u, 1996u));
  SetWallClock({});
}

}  // namespace
