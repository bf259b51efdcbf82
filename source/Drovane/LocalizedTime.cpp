#include "Drovane/LocalizedTime.h"

#include <string>

#include "Drovane/LocalizedDate.h"

char* LocalizedTime::Format(char* buffer, int32_t language) const {
  int32_t shown = language ? language : mLanguage;
  std::string text;
  if (mWithDate) text = WriteLocalizedDate(LocalDate(), shown) + " ";
  text += WriteLocalizedTime(*this, shown);
  return CopyFormatted(text, buffer);
}
