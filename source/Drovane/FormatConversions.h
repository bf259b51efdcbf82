#pragma once
#include <string>

// Whether two printf formats take the same arguments: the same conversions, with the same
// length modifiers, in the same order. Flags, widths and precisions may differ; a '*' width
// or precision takes an argument of its own, so a format with one never matches, and
// neither does one that ends inside a conversion or uses 'n'.
bool SameConversions(const std::string& format, const std::string& expected);
