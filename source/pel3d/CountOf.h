#pragma once
#include <cstddef>
#include <cstdint>

// A record count as a size: a negative count (a damaged or edited record) counts as none.
constexpr std::size_t CountOf(int32_t count) { return count > 0 ? static_cast<std::size_t>(count) : 0; }
