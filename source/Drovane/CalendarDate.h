#pragma once
#include <compare>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

// A calendar day held as its Julian day number (0 = no valid date), with English month and
// weekday names and five print styles. Months are 1-12, weekdays 1 (Monday) to 7 (Sunday).
// A year of 99 or less means 1900 + year.
class CalendarDate {
public:
  // Julian day of 1 January 1901, the first day a DateTime can hold.
  static constexpr uint32_t kFirstDay = 2415386;
  // The buffer Format writes into.
  static constexpr size_t kFormatSize = 64;

  // Today, by the local clock.
  CalendarDate();
  // Day count 0 of year 0 is 1 January 1901; in any other year count 1 is 1 January.
  CalendarDate(uint32_t dayCount, uint32_t year);
  CalendarDate(uint32_t day, const char* monthName, uint32_t year);
  CalendarDate(uint32_t day, uint32_t month, uint32_t year);
  virtual ~CalendarDate() = default;

  static CalendarDate FromJulianDay(uint32_t julianDay);

  // The stream output in the date's style, NUL-terminated, into kFormatSize bytes.
  virtual char* Format(char* buffer) const;
  // The latest date on or before this one that falls on the named weekday.
  virtual CalendarDate Previous(const char* weekdayName) const;
  CalendarDate Previous(uint32_t weekday) const;

  // 0 when the date is invalid.
  static uint32_t JulianDay(uint32_t month, uint32_t day, uint32_t year);
  static bool IsValidDate(uint32_t month, uint32_t day, uint32_t year);
  static bool IsLeapYear(uint32_t year);
  // The day of the year on which a month starts (1, 32, 60 or 61, ...).
  static uint32_t DayOfYearOfMonthStart(uint32_t month, uint32_t year);
  // 1-12 or 1-7 for a text that begins the upper-case name, ignoring case; 0 for none.
  static uint32_t FindMonth(const char* text);
  static uint32_t FindWeekday(const char* text);
  // The English names; null outside 1-12 and 1-7.
  static const char* MonthName(uint32_t month);
  static const char* DayName(uint32_t weekday);

  uint32_t GetJulianDay() const { return mJulianDay; }
  bool IsValid() const { return mJulianDay != 0; }
  void Split(uint32_t& month, uint32_t& day, uint32_t& year) const;
  uint32_t Year() const;
  uint32_t Month() const;
  uint32_t Day() const;
  uint32_t YearInCentury() const { return Year() % 100; }
  uint32_t DayOfYear() const;
  uint32_t Weekday() const;
  bool IsLeapYear() const { return IsLeapYear(Year()); }
  uint32_t DaysInYear() const { return IsLeapYear() ? 366 : 365; }

  // Styles: 0 "January 5, 1996", 1 " 5-Jan-1996", 2 "1/5/1996", 3 "5/1/1996",
  // 4 "5 January 1996". Returns the old style.
  uint32_t SetPrintStyle(uint32_t style);
  uint32_t PrintStyle() const { return mPrintStyle; }

  std::strong_ordering operator<=>(const CalendarDate& other) const { return mJulianDay <=> other.mJulianDay; }
  bool operator==(const CalendarDate& other) const { return mJulianDay == other.mJulianDay; }

protected:
  uint32_t mJulianDay = 0;
  uint32_t mPrintStyle = 0;
};

// Copies a formatted text into a caller's buffer of CalendarDate::kFormatSize bytes, cut to
// fit and NUL-terminated; returns the buffer.
char* CopyFormatted(const std::string& text, char* buffer);

const CalendarDate& Min(const CalendarDate& a, const CalendarDate& b);
const CalendarDate& Max(const CalendarDate& a, const CalendarDate& b);

// Writes nothing for an invalid date or an unknown style.
std::ostream& operator<<(std::ostream& out, const CalendarDate& date);
// Reads month day year, month-name day year or day month-name year, the fields apart by
// any characters that are neither letters nor digits. An invalid date sets the fail state
// and makes the date invalid.
std::istream& operator>>(std::istream& in, CalendarDate& date);
