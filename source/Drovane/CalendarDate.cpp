#include "Drovane/CalendarDate.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <istream>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>

#include "Drovane/WallClock.h"

namespace {

constexpr const char* kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};
constexpr const char* kDayNames[7] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
constexpr const char* kUpperMonthNames[12] = {"JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
                                              "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
constexpr const char* kUpperDayNames[7] = {"MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY",
                                           "FRIDAY", "SATURDAY", "SUNDAY"};
constexpr uint32_t kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr uint32_t kMonthStart[12] = {1, 32, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};

uint32_t FullYear(uint32_t year) { return year <= 99 ? 1900 + year : year; }

// The last table entry that the text begins, compared over the text's length ignoring case.
uint32_t FindName(const char* text, const char* const* upperNames, uint32_t count) {
  size_t length = text ? std::strlen(text) : 0;
  if (length == 0) return 0;
  for (uint32_t i = count; i-- > 0;) {
    if (length > std::strlen(upperNames[i])) continue;
    bool same = true;
    for (size_t c = 0; c < length && same; ++c)
      same = std::toupper(static_cast<unsigned char>(text[c])) == upperNames[i][c];
    if (same) return i + 1;
  }
  return 0;
}

void SkipSeparators(std::istream& in) {
  while (in && !std::isalnum(in.peek()) && in.peek() != std::char_traits<char>::eof()) in.get();
}

std::string ReadWord(std::istream& in) {
  std::string word;
  while (std::isalpha(in.peek())) word += static_cast<char>(in.get());
  return word;
}

// A number, or, when none stands there, a word of letters taken as a month name.
bool ReadNumberOrMonth(std::istream& in, uint32_t& number, uint32_t& month) {
  SkipSeparators(in);
  if (std::isdigit(in.peek())) return static_cast<bool>(in >> number);
  month = CalendarDate::FindMonth(ReadWord(in).c_str());
  return false;
}

}  // namespace

CalendarDate::CalendarDate() {
  std::tm now = LocalTimeNow();
  mJulianDay = JulianDay(static_cast<uint32_t>(now.tm_mon + 1), static_cast<uint32_t>(now.tm_mday),
                         static_cast<uint32_t>(now.tm_year + 1900));
}

CalendarDate::CalendarDate(uint32_t dayCount, uint32_t year) {
  mJulianDay = year == 0 ? dayCount + kFirstDay : JulianDay(12, 31, year - 1) + dayCount;
}

CalendarDate::CalendarDate(uint32_t day, const char* monthName, uint32_t year)
    : mJulianDay(JulianDay(FindMonth(monthName), day, year)) {}

CalendarDate::CalendarDate(uint32_t day, uint32_t month, uint32_t year) : mJulianDay(JulianDay(month, day, year)) {}

CalendarDate CalendarDate::FromJulianDay(uint32_t julianDay) {
  CalendarDate date(0u, 0u);
  date.mJulianDay = julianDay;
  return date;
}

uint32_t CalendarDate::JulianDay(uint32_t month, uint32_t day, uint32_t year) {
  if (!IsValidDate(month, day, year)) return 0;
  int64_t y = FullYear(year);
  int64_t m = month;
  if (m < 3) {
    m += 9;
    --y;
  } else {
    m -= 3;
  }
  int64_t century = y / 100;
  int64_t yearInCentury = y - 100 * century;
  return static_cast<uint32_t>(146097 * century / 4 + 1461 * yearInCentury / 4 + (153 * m + 2) / 5 + day +
                               1721119);
}

bool CalendarDate::IsValidDate(uint32_t month, uint32_t day, uint32_t year) {
  if (month < 1 || month > 12 || day == 0) return false;
  uint32_t length = kDaysInMonth[month - 1] + (month == 2 && IsLeapYear(FullYear(year)) ? 1 : 0);
  return day <= length;
}

bool CalendarDate::IsLeapYear(uint32_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

uint32_t CalendarDate::DayOfYearOfMonthStart(uint32_t month, uint32_t year) {
  if (month < 1 || month > 12) return 0;
  return kMonthStart[month - 1] + (month > 2 && IsLeapYear(year) ? 1 : 0);
}

uint32_t CalendarDate::FindMonth(const char* text) { return FindName(text, kUpperMonthNames, 12); }
uint32_t CalendarDate::FindWeekday(const char* text) { return FindName(text, kUpperDayNames, 7); }
const char* CalendarDate::MonthName(uint32_t month) {
  return month >= 1 && month <= 12 ? kMonthNames[month - 1] : nullptr;
}

const char* CalendarDate::DayName(uint32_t weekday) {
  return weekday >= 1 && weekday <= 7 ? kDayNames[weekday - 1] : nullptr;
}

void CalendarDate::Split(uint32_t& month, uint32_t& day, uint32_t& year) const {
  int64_t j = static_cast<int64_t>(mJulianDay) - 1721119;
  int64_t y = (4 * j - 1) / 146097;
  j = 4 * j - 1 - 146097 * y;
  int64_t d = j / 4;
  j = (4 * d + 3) / 1461;
  d = 4 * d + 3 - 1461 * j;
  d = (d + 4) / 4;
  int64_t m = (5 * d - 3) / 153;
  d = 5 * d - 3 - 153 * m;
  d = (d + 5) / 5;
  y = 100 * y + j;
  if (m < 10) {
    m += 3;
  } else {
    m -= 9;
    ++y;
  }
  month = static_cast<uint32_t>(m);
  day = static_cast<uint32_t>(d);
  year = static_cast<uint32_t>(y);
}

uint32_t CalendarDate::Year() const {
  uint32_t month, day, year;
  Split(month, day, year);
  return year;
}

uint32_t CalendarDate::Month() const {
  uint32_t month, day, year;
  Split(month, day, year);
  return month;
}

uint32_t CalendarDate::Day() const {
  uint32_t month, day, year;
  Split(month, day, year);
  return day;
}

uint32_t CalendarDate::DayOfYear() const { return mJulianDay - JulianDay(12, 31, Year() - 1); }

uint32_t CalendarDate::Weekday() const { return ((mJulianDay + 1) % 7 + 6) % 7 + 1; }

CalendarDate CalendarDate::Previous(uint32_t weekday) const {
  uint32_t back = (Weekday() + 7 - weekday) % 7;
  CalendarDate date = *this;
  date.mJulianDay -= back;
  return date;
}

CalendarDate CalendarDate::Previous(const char* weekdayName) const { return Previous(FindWeekday(weekdayName)); }

uint32_t CalendarDate::SetPrintStyle(uint32_t style) { return std::exchange(mPrintStyle, style); }

char* CalendarDate::Format(char* buffer) const {
  std::ostringstream out;
  out << *this;
  return CopyFormatted(out.str(), buffer);
}

char* CopyFormatted(const std::string& text, char* buffer) {
  std::snprintf(buffer, CalendarDate::kFormatSize, "%s", text.c_str());
  return buffer;
}

const CalendarDate& Min(const CalendarDate& a, const CalendarDate& b) { return b < a ? b : a; }
const CalendarDate& Max(const CalendarDate& a, const CalendarDate& b) { return a < b ? b : a; }

std::ostream& operator<<(std::ostream& out, const CalendarDate& date) {
  if (!date.IsValid()) return out;
  uint32_t month, day, year;
  date.Split(month, day, year);
  const char* name = CalendarDate::MonthName(month);
  char text[CalendarDate::kFormatSize];
  switch (date.PrintStyle()) {
    case 0: std::snprintf(text, sizeof text, "%s %u, %u", name, day, year); break;
    case 1: std::snprintf(text, sizeof text, "%2u-%.3s-%.2u", day, name, year); break;
    case 2: std::snprintf(text, sizeof text, "%u/%u/%u", month, day, year); break;
    case 3: std::snprintf(text, sizeof text, "%u/%u/%u", day, month, year); break;
    case 4: std::snprintf(text, sizeof text, "%u %s %u", day, name, year); break;
    default: return out;
  }
  return out << text;
}

std::istream& operator>>(std::istream& in, CalendarDate& date) {
  uint32_t month = 0, day = 0, year = 0, first = 0;
  if (ReadNumberOrMonth(in, first, month)) {
    uint32_t second = 0;
    if (ReadNumberOrMonth(in, second, month)) {
      month = first;
      day = second;
    } else {
      in.clear();
      day = first;
    }
  } else {
    in.clear();
    SkipSeparators(in);
    in >> day;
  }
  SkipSeparators(in);
  in >> year;
  uint32_t julianDay = CalendarDate::JulianDay(month, day, year);
  uint32_t style = date.PrintStyle();
  date = CalendarDate::FromJulianDay(julianDay);
  date.SetPrintStyle(style);
  if (julianDay == 0) in.setstate(std::ios::failbit);
  return in;
}
