#include "X/Body/RoundedSquareRoots.h"

#include <cmath>

namespace {

std::array<int32_t, kRoundedSquareRoots> gRoots{};

}  // namespace

void FillRoundedSquareRoots() {
  for (int32_t i = 0; i < kRoundedSquareRoots; ++i)
    gRoots[static_cast<size_t>(i)] = static_cast<int32_t>(std::floor(std::sqrt(static_cast<double>(i)) + 0.5));
}

int32_t RoundedSquareRoot(int32_t i) { return gRoots[static_cast<size_t>(i)]; }
