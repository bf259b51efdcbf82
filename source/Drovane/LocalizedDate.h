#pragma once
#include <cstdint>
#include <iosfwd>
#include <string>

#include "Drovane/CalendarDate.h"
#include "Drovane/DateTime.h"

// A calendar date printed in a language's form, with its weekday and month names from the
// string table (weekday d is string 499 + d, month m string 509 + m). Language 0 is the
// current one.
class LocalizedDate : public CalendarDate {
public:
  LocalizedDate() = default;
  LocalizedDate(uint32_t dayCount, uint32_t year) : CalendarDate(dayCount, year) {}
  // The month name is one of the current language's.
  LocalizedDate(uint32_t day, const char* monthName, uint32_t year);
  LocalizedDate(uint32_t day, uint32_t month, uint32_t year) : CalendarDate(day, month, year) {}
  explicit LocalizedDate(std::istream& in);
  // The local day of the moment.
  explicit LocalizedDate(const DateTime& time) : CalendarDate(time.LocalDate()) {}

  using CalendarDate::Format;
  using CalendarDate::Previous;

  // The localized names; the language is the argument, else the object's, else the current.
  virtual void GetDayNameText(std::string& text, int32_t language) const;
  virtual void GetMonthNameText(std::string& text, int32_t language) const;
  // The date in the language's form ("%2u/%2u/%2u" and the like, year modulo 100),
  // NUL-terminated into kFormatSize bytes; the object's language is kept.
  virtual char* Format(char* buffer, int32_t language) const;
  // The latest date on or before this one on the weekday of that localized name; today
  // when no weekday has the name.
  virtual void SetToNamedWeekday(CalendarDate& result, const char* name, int32_t language) const;

  int32_t Language() const { return mLanguage; }
  void SetLanguage(int32_t language) { mLanguage = language; }

private:
  int32_t mLanguage = 0;
};

// 1-7 or 1-12 for the first weekday or month whose localized name is exactly the text; 0.
uint32_t FindWeekdayByName(const std::string& text, int32_t language);
uint32_t FindMonthByName(const std::string& text, int32_t language);

// The date or the local hour and minute of a time, in the language's form.
std::string WriteLocalizedDate(const CalendarDate& date, int32_t language);
std::string WriteLocalizedTime(const DateTime& time, int32_t language);
