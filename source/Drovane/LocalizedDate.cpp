#include "Drovane/LocalizedDate.h"

#include <cstdio>
#include <istream>

#include "Drovane/LanguageStrings.h"
#include "Drovane/Languages.h"

namespace {

constexpr uint32_t kWeekdayStrings = 499;
constexpr uint32_t kMonthStrings = 509;

enum class DateForm { kMonthDayYear, kDaySlash, kDayDot, kDayDash, kYearDot };

DateForm DateFormOf(int32_t language) {
  switch (language) {
    case 1: return DateForm::kMonthDayYear;
    case 3: case 4: case 18: case 20: case 21: case 32: case 33: case 35: case 36: return DateForm::kDayDot;
    case 7: case 8: case 10: return DateForm::kDayDash;
    case 9: case 11: case 22: case 23: return DateForm::kYearDot;
    default: return DateForm::kDaySlash;
  }
}

bool UsesDotInTimes(int32_t language) {
  switch (language) {
    case 5: case 8: case 11: case 21: case 22: case 32: case 35: case 36: return true;
    default: return false;
  }
}

int32_t Resolve(int32_t language) { return language ? language : CurrentLanguage(); }

uint32_t FindLocalizedName(const std::string& text, int32_t language, uint32_t firstString, uint32_t count) {
  for (uint32_t n = 1; n <= count; ++n)
    if (LocalizedString(firstString + n, language) == text) return n;
  return 0;
}

}  // namespace

LocalizedDate::LocalizedDate(uint32_t day, const char* monthName, uint32_t year)
    : CalendarDate(day, FindMonthByName(monthName ? monthName : "", 0), year) {}

LocalizedDate::LocalizedDate(std::istream& in) : CalendarDate(0u, 0u) { in >> *this; }

void LocalizedDate::GetDayNameText(std::string& text, int32_t language) const {
  text = LocalizedString(kWeekdayStrings + Weekday(), language ? language : mLanguage);
}

void LocalizedDate::GetMonthNameText(std::string& text, int32_t language) const {
  text = LocalizedString(kMonthStrings + Month(), language ? language : mLanguage);
}

char* LocalizedDate::Format(char* buffer, int32_t language) const {
  return CopyFormatted(WriteLocalizedDate(*this, language ? language : mLanguage), buffer);
}

void LocalizedDate::SetToNamedWeekday(CalendarDate& result, const char* name, int32_t language) const {
  uint32_t weekday = FindWeekdayByName(name ? name : "", language ? language : mLanguage);
  result = weekday ? Previous(weekday) : CalendarDate();
}

uint32_t FindWeekdayByName(const std::string& text, int32_t language) {
  return FindLocalizedName(text, language, kWeekdayStrings, 7);
}

uint32_t FindMonthByName(const std::string& text, int32_t language) {
  return FindLocalizedName(text, language, kMonthStrings, 12);
}

std::string WriteLocalizedDate(const CalendarDate& date, int32_t language) {
  uint32_t month, day, year;
  date.Split(month, day, year);
  year %= 100;
  char text[CalendarDate::kFormatSize];
  switch (DateFormOf(Resolve(language))) {
    case DateForm::kMonthDayYear: std::snprintf(text, sizeof text, "%2u/%2u/%2u", month, day, year); break;
    case DateForm::kDaySlash: std::snprintf(text, sizeof text, "%2u/%2u/%2u", day, month, year); break;
    case DateForm::kDayDot: std::snprintf(text, sizeof text, "%2u.%2u.%2u", day, month, year); break;
    case DateForm::kDayDash: std::snprintf(text, sizeof text, "%2u-%2u-%2u", day, month, year); break;
    case DateForm::kYearDot: std::snprintf(text, sizeof text, "%2u.%2u.%2u", year, month, day); break;
  }
  return text;
}

std::string WriteLocalizedTime(const DateTime& time, int32_t language) {
  language = Resolve(language);
  uint32_t hour = time.GetHour();
  uint32_t minute = time.GetMinute();
  char text[CalendarDate::kFormatSize];
  if (language == 1) {
    std::snprintf(text, sizeof text, "%2u:%.2u %s", hour <= 12 ? hour : hour - 12, minute, hour < 12 ? "am" : "pm");
  } else {
    std::snprintf(text, sizeof text, UsesDotInTimes(language) ? "%2u.%2u" : "%2u:%2u", hour, minute);
  }
  return text;
}
