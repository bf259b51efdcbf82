#include "game/world/CityChunks.h"

#include <cstddef>
#include <cstring>

#include "Drovane/FourCharCode.h"
#include "game/world/CityArrays.h"
#include "platform/BigEndian.h"

using platform::ReadBE16;
using platform::ReadBE32;
using platform::WriteBE16;
using platform::WriteBE32;

namespace {

const CityChunk kCityChunks[] = {
    {FourCC("CNAM"), false, kCityNameSize, offsetof(CityArrays, CityStr), CityWordKind::kBytes},
    {FourCC("MISC"), true, 4800, offsetof(CityArrays, MiscInfo), CityWordKind::kWords32},
    {FourCC("ALTM"), false, 32768, offsetof(CityArrays, AltMap), CityWordKind::kWords16},
    {FourCC("XTER"), true, 16384, offsetof(CityArrays, auxPtr3), CityWordKind::kBytes},
    {FourCC("XBLD"), true, 16384, offsetof(CityArrays, auxPtr1), CityWordKind::kBytes},
    {FourCC("XZON"), true, 16384, offsetof(CityArrays, auxPtr2), CityWordKind::kBytes},
    {FourCC("XUND"), true, 16384, offsetof(CityArrays, auxPtr4), CityWordKind::kBytes},
    {FourCC("XTXT"), true, 16384, offsetof(CityArrays, auxPtr5), CityWordKind::kBytes},
    {FourCC("XLAB"), true, 6400, offsetof(CityArrays, auxPtr6), CityWordKind::kBytes},
    {FourCC("XMIC"), true, 1200, offsetof(CityArrays, auxPtr7), CityWordKind::kMicro},
    {FourCC("XTHG"), true, 480, offsetof(CityArrays, auxPtr8), CityWordKind::kBytes},
    {FourCC("XBIT"), true, 16384, offsetof(CityArrays, BitsMap), CityWordKind::kBytes},
    {FourCC("XTRF"), true, 4096, offsetof(CityArrays, TrafficMap), CityWordKind::kBytes},
    {FourCC("XPLT"), true, 4096, offsetof(CityArrays, PolluteMap), CityWordKind::kBytes},
    {FourCC("XVAL"), true, 4096, offsetof(CityArrays, ValueMap), CityWordKind::kBytes},
    {FourCC("XCRM"), true, 4096, offsetof(CityArrays, CrimeMap), CityWordKind::kBytes},
    {FourCC("XPLC"), true, 1024, offsetof(CityArrays, PoliceMap), CityWordKind::kBytes},
    {FourCC("XFIR"), true, 1024, offsetof(CityArrays, FireMap), CityWordKind::kBytes},
    {FourCC("XPOP"), true, 1024, offsetof(CityArrays, PopMap), CityWordKind::kBytes},
    {FourCC("XROG"), true, 1024, offsetof(CityArrays, ROGMap), CityWordKind::kBytes},
    {FourCC("XGRP"), true, 3328, offsetof(CityArrays, GraphData), CityWordKind::kWords32},
};

uint8_t* ArrayOf(CityArrays& city, const CityChunk& chunk) {
  return reinterpret_cast<uint8_t*>(&city) + chunk.offset;
}

const uint8_t* ArrayOf(const CityArrays& city, const CityChunk& chunk) {
  return reinterpret_cast<const uint8_t*>(&city) + chunk.offset;
}

}  // namespace

std::span<const CityChunk> CityChunks() { return kCityChunks; }

const CityChunk* FindCityChunk(uint32_t tag) {
  for (const CityChunk& chunk : kCityChunks) {
    if (chunk.tag == tag) return &chunk;
  }
  return nullptr;
}

void StoreCityChunk(CityArrays& city, const CityChunk& chunk, const uint8_t* bytes) {
  uint8_t* array = ArrayOf(city, chunk);
  switch (chunk.kind) {
    case CityWordKind::kBytes:
      std::memcpy(array, bytes, chunk.size);
      return;
    case CityWordKind::kWords16:
      for (size_t i = 0; i < chunk.size / 2; ++i) reinterpret_cast<uint16_t*>(array)[i] = ReadBE16(bytes + 2 * i);
      return;
    case CityWordKind::kWords32:
      for (size_t i = 0; i < chunk.size / 4; ++i) {
        reinterpret_cast<int32_t*>(array)[i] = static_cast<int32_t>(ReadBE32(bytes + 4 * i));
      }
      return;
    case CityWordKind::kMicro:
      for (size_t i = 0; i < chunk.size / 8; ++i) {
        MicroRecord& record = reinterpret_cast<MicroRecord*>(array)[i];
        const uint8_t* from = bytes + 8 * i;
        record = {{from[0], from[1]}, {ReadBE16(from + 2), ReadBE16(from + 4), ReadBE16(from + 6)}};
      }
      return;
  }
}

void LoadCityChunk(const CityArrays& city, const CityChunk& chunk, uint8_t* bytes) {
  const uint8_t* array = ArrayOf(city, chunk);
  switch (chunk.kind) {
    case CityWordKind::kBytes:
      std::memcpy(bytes, array, chunk.size);
      return;
    case CityWordKind::kWords16:
      for (size_t i = 0; i < chunk.size / 2; ++i) WriteBE16(bytes + 2 * i, reinterpret_cast<const uint16_t*>(array)[i]);
      return;
    case CityWordKind::kWords32:
      for (size_t i = 0; i < chunk.size / 4; ++i) {
        WriteBE32(bytes + 4 * i, static_cast<uint32_t>(reinterpret_cast<const int32_t*>(array)[i]));
      }
      return;
    case CityWordKind::kMicro:
      for (size_t i = 0; i < chunk.size / 8; ++i) {
        const MicroRecord& record = reinterpret_cast<const MicroRecord*>(array)[i];
        uint8_t* to = bytes + 8 * i;
        to[0] = record.bytes[0];
        to[1] = record.bytes[1];
        for (int w = 0; w < 3; ++w) WriteBE16(to + 2 + 2 * w, record.words[w]);
      }
      return;
  }
}

std::string CityChunkName(uint32_t tag) { return FourCCText(tag); }
