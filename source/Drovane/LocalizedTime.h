#pragma once
#include <cstdint>

#include "Drovane/DateTime.h"

// A moment printed as the local hour and minute in a language's form (0 = current), after
// the localized date when its with-date flag is set.
class LocalizedTime : public DateTime {
public:
  LocalizedTime() = default;
  explicit LocalizedTime(const DateTime& time, int32_t language = 0) : DateTime(time), mLanguage(language) {}

  // NUL-terminated into CalendarDate::kFormatSize bytes; the object's language is kept.
  virtual char* Format(char* buffer, int32_t language) const;

  int32_t Language() const { return mLanguage; }

private:
  int32_t mLanguage = 0;
};
