#pragma once
#include <cstdint>

// The row decoders of compressed pictures. Each row is an unsigned 16-bit length (its
// bytes, these 2 included) and runs up to its end; a run is a kind byte, a count byte c for
// n = c + 1 pixels and then: kind 1 n pixels copied, kind 2 one pixel written n times,
// kind 3 nothing (n pixels left as they are), kind 4 n pixels written unless equal to the
// key; any other kind writes and passes nothing.
//
// The rows come from a file: decoding stops at the first row whose length is below 2 or
// that passes the block's end, a run that passes its row's end ends that row, and no row
// writes outside its visible columns. Each returns the number of rows decoded.

// Rows drawn whole: at most width pixels of each row are written.
int32_t DecodeRowsUnclipped(uint8_t* first, int32_t stride, const uint8_t* rows, const uint8_t* end,
                            int32_t rowCount, int32_t width, uint8_t key);
// Rows cut at the left: the first leftSkip pixels of each row are passed over (their bytes
// consumed), then visibleWidth pixels at most are written or passed.
int32_t DecodeRowsClipped(uint8_t* first, int32_t stride, const uint8_t* rows, const uint8_t* end,
                          int32_t leftSkip, int32_t visibleWidth, int32_t rowCount, uint8_t key);

// The length of the row at rows, or 0 when it is below 2 or passes end.
uint32_t CompressedRowLength(const uint8_t* rows, const uint8_t* end);
