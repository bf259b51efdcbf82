#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

struct CityArrays;

// How a chunk's decoded bytes map onto its array.
enum class CityWordKind {
  kBytes,
  kWords16,  // big-endian 16-bit words
  kWords32,  // big-endian 32-bit words
  kMicro,    // 8-byte records: a byte pair, then three big-endian 16-bit words
};

// A chunk of the city file and the array that receives it, in the order the writer puts them.
struct CityChunk {
  uint32_t tag;
  bool runCoded;
  size_t size;    // decoded bytes: the array's size in the file
  size_t offset;  // of the array in CityArrays
  CityWordKind kind;
};

std::span<const CityChunk> CityChunks();
// The chunk of that tag; null for a tag the city does not keep.
const CityChunk* FindCityChunk(uint32_t tag);

// Decoded bytes into the chunk's array, in machine order; bytes beyond size are not read.
void StoreCityChunk(CityArrays& city, const CityChunk& chunk, const uint8_t* bytes);
// The chunk's array as the file's bytes (size bytes).
void LoadCityChunk(const CityArrays& city, const CityChunk& chunk, uint8_t* bytes);

// The tag as text, for messages.
std::string CityChunkName(uint32_t tag);

constexpr size_t kLargestCityChunk = 32768;
