#include "Drovane/LocalizedTime.h"

#include <cstdio>
#include <string>

#include "Drovane/LocalizedDate.h"

char* LocalizedTime::Format(char* buffer, int32_t language) const {
  int32_t shown = language ? language : mLanguage;
  std::string text;
  if (mWithDate) text = WriteLocalizedDate(LocalDate(), shown) + " ";
  text += WriteLocalizedTime(*this, shown);
  std::snprintf(buffer, CalendarDate::kFormatSize, "%s", text.c_str());
  return buffer;
}
