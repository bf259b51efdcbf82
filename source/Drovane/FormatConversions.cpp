#include "Drovane/FormatConversions.h"

#include <cstring>
#include <optional>

namespace {

// The conversions of a format, each as its length modifier and conversion letter, one
// after another; nothing for a format the code cannot safely pass arguments to.
std::optional<std::string> Conversions(const std::string& format) {
  std::string found;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') continue;
    ++i;
    while (i < format.size() && std::strchr("-+ #0123456789.", format[i])) ++i;
    size_t start = i;
    while (i < format.size() && std::strchr("hlLqjzt", format[i])) ++i;
    if (i >= format.size() || format[i] == '*' || format[i] == 'n') return std::nullopt;
    if (format[i] == '%' && i == start) continue;
    if (!std::strchr("diouxXeEfFgGaAcsp", format[i])) return std::nullopt;
    found.append(format, start, i + 1 - start).push_back(' ');
  }
  return found;
}

}  // namespace

bool SameConversions(const std::string& format, const std::string& expected) {
  std::optional<std::string> have = Conversions(format);
  return have && have == Conversions(expected);
}
