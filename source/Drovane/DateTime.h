#pragma once
#include <compare>
#include <cstddef>
#include <cstdint>
#include <iosfwd>

#include "Drovane/CalendarDate.h"

// A moment as UTC seconds since 1 January 1901 00:00 (0 = unset), from 1901 to 5 February
// 2037, read and printed as local clock time with the US daylight-saving rules of the
// C library's time zone. With its with-date flag set it prints the date before the time.
class DateTime {
public:
  static constexpr uint32_t kLastDay = CalendarDate::kFirstDay + 49709;

  DateTime() = default;
  explicit DateTime(uint32_t seconds) : mSeconds(seconds) {}
  // The hour of a day in local standard time, no daylight saving: the rule's boundaries.
  DateTime(const CalendarDate& date, uint32_t hour);
  // A local clock time; 0 when the date is invalid or out of range, or the time falls in
  // the hour skipped when daylight-saving time begins.
  DateTime(const CalendarDate& date, uint32_t hour, uint32_t minute, uint32_t second);
  // The same for today.
  DateTime(uint32_t hour, uint32_t minute, uint32_t second);

  void SetToNow();
  uint32_t Seconds() const { return mSeconds; }
  // The seconds of the local clock (time zone and daylight saving applied).
  uint32_t LocalSeconds() const;
  uint32_t GetHour() const { return LocalSeconds() % 86400 / 3600; }
  uint32_t GetMinute() const { return LocalSeconds() % 86400 % 3600 / 60; }
  uint32_t GetSecond() const { return mSeconds % 60; }
  uint32_t GetUtcHour() const { return mSeconds % 86400 / 3600; }
  uint32_t GetUtcMinute() const { return mSeconds % 86400 % 3600 / 60; }
  // The local day.
  CalendarDate LocalDate() const;
  int32_t WithDate() const { return mWithDate; }
  // Returns the old flag.
  int32_t SetWithDate(int32_t flag);

  // "h:mm:ss am", after the local date in its default style when the with-date flag is set;
  // NUL-terminated into CalendarDate::kFormatSize bytes.
  char* Format(char* buffer) const;

  static bool IsDateInRange(const CalendarDate& date);
  static bool IsDaylightSavingTime(uint32_t seconds);

  std::strong_ordering operator<=>(const DateTime& other) const { return mSeconds <=> other.mSeconds; }
  bool operator==(const DateTime& other) const { return mSeconds == other.mSeconds; }

protected:
  uint32_t mSeconds = 0;
  int32_t mWithDate = 0;
};

const DateTime& Min(const DateTime& a, const DateTime& b);
const DateTime& Max(const DateTime& a, const DateTime& b);

std::ostream& operator<<(std::ostream& out, const DateTime& time);

// Whether the local clock shows day: hours 6 to 18.
bool IsDaytime();
