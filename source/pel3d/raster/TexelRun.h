#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>

// A run of pixels fed from one row of texels: a column of a wall, a row of a sprite. The
// position along the texel row is a 12-fraction-bit accumulator; the first pixel samples
// it as given, the second after step + correction, every later one after another step.
struct TexelRun {
  const uint8_t* texels;  // the texel row
  int32_t length;  // texels in the row, at least 1
  int64_t position;  // 12 fraction bits
  int32_t step;
  int32_t correction;  // added once, after the first pixel
  int32_t count;  // pixels, at least 1
};

namespace texel_run_detail {

inline bool Inside(int64_t position, int32_t length) {
  return position >= 0 && (position >> 12) < length;
}

// Every sample of the run lies in the texel row: the first, the second and the last bound
// the walk, which is linear from the second on.
inline bool StaysInside(const TexelRun& run) {
  if (!Inside(run.position, run.length)) return false;
  if (run.count == 1) return true;
  const int64_t second = run.position + run.step + run.correction;
  const int64_t last = second + int64_t{run.step} * (run.count - 2);
  return Inside(second, run.length) && Inside(last, run.length);
}

}  // namespace texel_run_detail

// Writes the run's pixels, stride bytes apart, from out on. Runs whose rounding would walk
// off the texel row take the slower loop that holds each sample inside it.
template <class Write>
inline void DrawTexelRun(const TexelRun& run, uint8_t* out, std::ptrdiff_t stride, const Write& write) {
  if (texel_run_detail::StaysInside(run)) {
    uint32_t position = static_cast<uint32_t>(run.position);
    write(*out, run.texels[position >> 12]);
    position += static_cast<uint32_t>(run.step + run.correction);
    for (int32_t i = 1; i < run.count; ++i) {
      out += stride;
      write(*out, run.texels[position >> 12]);
      position += static_cast<uint32_t>(run.step);
    }
    return;
  }
  int64_t position = run.position;
  const int64_t last = int64_t{run.length} - 1;
  for (int32_t i = 0; i < run.count; ++i, out += stride) {
    write(*out, run.texels[std::clamp<int64_t>(position >> 12, 0, last)]);
    position += run.step + (i == 0 ? run.correction : 0);
  }
}
