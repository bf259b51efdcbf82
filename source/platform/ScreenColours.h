#pragma once
#include <array>
#include <cstdint>

// The colours the screen shows and the nearest of them to a colour: how a colour that is
// not a palette index (text, pens, single pixels) becomes one on an 8-bit surface.
namespace platform {

// 0x00RRGGBB of each palette index as the presenter resolves it: the palette of the
// screen's primary surface, or the system palette while the screen has none.
std::array<uint32_t, 256> ShownScreenColours();

// The index of the colour nearest to rgb (0x00RRGGBB) among count colours, by the
// distance 3 x red² + 4 x green² + 2 x blue² of the differences; the first on ties.
int32_t NearestColourIndex(const uint32_t* colours, int32_t count, uint32_t rgb);

}  // namespace platform
