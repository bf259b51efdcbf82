#include "Drovane/DateTime.h"

#include <cstdio>
#include <ctime>
#include <ostream>
#include <sstream>
#include <utility>

#include "Drovane/WallClock.h"

namespace {

constexpr int64_t kDay = 86400;
constexpr int64_t kHour = 3600;

// The C library's seconds of UTC minus local standard time, after its time-zone set-up.
int64_t TimeZoneOffset() {
  tzset();
  return timezone;
}

bool HasDaylightSaving() {
  tzset();
  return daylight != 0;
}

// A seconds value, or 0 for one the type cannot hold.
uint32_t Fit(int64_t seconds) { return seconds < 0 || seconds > UINT32_MAX ? 0 : static_cast<uint32_t>(seconds); }

int64_t DaySeconds(const CalendarDate& date) {
  return (static_cast<int64_t>(date.GetJulianDay()) - CalendarDate::kFirstDay) * kDay;
}

CalendarDate LastSundayOnOrBefore(uint32_t day, uint32_t month, uint32_t year) {
  return CalendarDate(day, month, year).Previous(7u);
}

DateTime DaylightSavingStart(uint32_t year) {
  if (year == 1974) return DateTime(CalendarDate(6u, 1u, 1974u), 2);
  if (year == 1975) return DateTime(CalendarDate(23u, 2u, 1975u), 2);
  if (year >= 1987) {
    uint32_t firstAprilSunday = LastSundayOnOrBefore(31, 3, year).GetJulianDay() + 7;
    return DateTime(CalendarDate::FromJulianDay(firstAprilSunday), 2);
  }
  return DateTime(LastSundayOnOrBefore(30, 4, year), 2);
}

DateTime DaylightSavingEnd(uint32_t year) { return DateTime(LastSundayOnOrBefore(31, 10, year), 1); }

}  // namespace

DateTime::DateTime(const CalendarDate& date, uint32_t hour)
    : mSeconds(IsDateInRange(date) ? Fit(DaySeconds(date) + hour * kHour + TimeZoneOffset()) : 0) {}

// Computed an hour early in standard time, then moved forward: a time that lands in
// daylight-saving time only after the move lies in the skipped hour.
DateTime::DateTime(const CalendarDate& date, uint32_t hour, uint32_t minute, uint32_t second) {
  if (!IsDateInRange(date)) return;
  int64_t value = DaySeconds(date) + (static_cast<int64_t>(hour) - 1) * kHour + minute * 60 + second;
  if (value != 0) value += TimeZoneOffset();
  uint32_t seconds = Fit(value);
  if (!IsDaylightSavingTime(seconds)) {
    seconds = Fit(value + kHour);
    if (IsDaylightSavingTime(seconds)) seconds = 0;
  } else if (IsDaylightSavingTime(Fit(value + kHour))) {
    seconds = Fit(value);
  } else {
    seconds = Fit(value + kHour);
  }
  mSeconds = seconds;
}

DateTime::DateTime(uint32_t hour, uint32_t minute, uint32_t second) : DateTime(CalendarDate(), hour, minute, second) {}

void DateTime::SetToNow() {
  std::tm now = LocalTimeNow();
  CalendarDate today(static_cast<uint32_t>(now.tm_mday), static_cast<uint32_t>(now.tm_mon + 1),
                     static_cast<uint32_t>(now.tm_year + 1900));
  *this = DateTime(today, static_cast<uint32_t>(now.tm_hour), static_cast<uint32_t>(now.tm_min),
                   static_cast<uint32_t>(now.tm_sec));
}

// Daylight saving is judged on the UTC value, as the rule's boundaries are.
uint32_t DateTime::LocalSeconds() const {
  int64_t local = static_cast<int64_t>(mSeconds) - TimeZoneOffset();
  if (IsDaylightSavingTime(mSeconds)) local += kHour;
  return static_cast<uint32_t>(local);
}

CalendarDate DateTime::LocalDate() const {
  return CalendarDate::FromJulianDay(LocalSeconds() / kDay + CalendarDate::kFirstDay);
}

int32_t DateTime::SetWithDate(int32_t flag) { return std::exchange(mWithDate, flag); }

char* DateTime::Format(char* buffer) const {
  std::ostringstream out;
  out << *this;
  return CopyFormatted(out.str(), buffer);
}

bool DateTime::IsDateInRange(const CalendarDate& date) {
  return date.GetJulianDay() >= CalendarDate::kFirstDay && date.GetJulianDay() <= kLastDay;
}

bool DateTime::IsDaylightSavingTime(uint32_t seconds) {
  if (!HasDaylightSaving()) return false;
  uint32_t year = CalendarDate::FromJulianDay(seconds / kDay + CalendarDate::kFirstDay).Year();
  return DaylightSavingStart(year).Seconds() <= seconds && seconds < DaylightSavingEnd(year).Seconds();
}

const DateTime& Min(const DateTime& a, const DateTime& b) { return b < a ? b : a; }
const DateTime& Max(const DateTime& a, const DateTime& b) { return a < b ? b : a; }

std::ostream& operator<<(std::ostream& out, const DateTime& time) {
  if (time.WithDate()) out << time.LocalDate() << ' ';
  uint32_t hour = time.GetHour();
  char text[32];
  std::snprintf(text, sizeof text, "%u:%02u:%02u %s", hour <= 12 ? hour : hour - 12, time.GetMinute(),
                time.GetSecond(), hour < 12 ? "am" : "pm");
  return out << text;
}

bool IsDaytime() {
  int hour = LocalTimeNow().tm_hour;
  return hour >= 6 && hour <= 18;
}
