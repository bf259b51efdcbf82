#include "game/traffic/P3Road.h"

#include "game/world/CityArrays.h"

namespace {

constexpr uint32_t kFlipped = 0x8000;

bool InRange(uint32_t id, uint32_t first, uint32_t last) { return id >= first && id <= last; }

// The exits of the plain (unflipped) road pieces.
uint32_t PlainExits(uint32_t id) {
  switch (id) {
    case 29: case 64: case 66: case 67: case 69: case 73: case 77: case 79: return 5;
    case 30: case 63: case 65: case 68: case 70: case 74: case 78: case 80: return 10;
    case 31: case 33: case 97: case 99: return 26;
    case 32: case 34: case 98: case 100: case 106: case 107: return 21;
    case 35: case 101: return 3;
    case 36: case 102: return 6;
    case 37: case 103: return 12;
    case 38: case 104: return 9;
    case 39: return 11;
    case 40: return 7;
    case 41: return 14;
    case 42: return 13;
    case 43: case 105: return 15;
    default: return InRange(id, 81, 89) ? 21 : 0;
  }
}

bool IsRoadByte(uint32_t low) {
  return InRange(low, 29, 43) || InRange(low, 63, 70) || InRange(low, 73, 89) || InRange(low, 93, 107);
}

// The way a bridge end leads off its bridge (the bridge lies the other way).
uint32_t BridgeEndWayOff(uint32_t id) {
  switch (id) {
    case 93: return 2;
    case 94: return 1;
    case 95: return 8;
    case 96: return 4;
    case kFlipped + 93: return 8;
    case kFlipped + 94: return 1;
    case kFlipped + 95: return 2;
    case kFlipped + 96: return 4;
    default: return 0;
  }
}

// A bridge end carries the road straight through: off the bridge and onto it.
uint32_t BridgeEndAxis(uint32_t id) {
  uint32_t wayOff = BridgeEndWayOff(id);
  return wayOff | ((wayOff << 2 | wayOff >> 2) & 15);
}

bool ExitsMeet(uint32_t fromExits, uint32_t toExits, uint32_t directionBits) {
  return (directionBits & 1 && fromExits & 1 && toExits & 4) || (directionBits & 4 && fromExits & 4 && toExits & 1) ||
         (directionBits & 8 && fromExits & 8 && toExits & 2) || (directionBits & 2 && fromExits & 2 && toExits & 8);
}

bool IsWildcardRamp(uint32_t id) { return id == 75 || id == 76; }

uint32_t HighwayReading(uint32_t id) {
  if (id == 75) return 73;
  if (id == 76) return 74;
  return id;
}

}  // namespace

uint32_t P3RoadExits(uint32_t id) {
  if (InRange(id, kFlipped + 0x51, kFlipped + 0x59) || id == kFlipped + 0x6A || id == kFlipped + 0x6B) return 26;
  if (id & kFlipped) return 0;
  return PlainExits(id);
}

bool IsBridgeEndId(uint32_t id) { return InRange(id & ~kFlipped, 93, 96); }

bool IsHighwayBlockId(uint32_t id) { return InRange(id, 97, 107) || id == kFlipped + 0x6A || id == kFlipped + 0x6B; }

bool P3RoadIsHighway(uint32_t id) { return InRange(id, 73, 80) || IsHighwayBlockId(id); }

bool P3RoadConnects(uint32_t fromId, uint32_t toId, uint32_t directionCode, uint32_t directionBits) {
  if (!IsRoadByte(toId & 0xFF)) return false;
  // A bridge end joins only along its road, whichever side of the step it is on.
  if (IsBridgeEndId(fromId)) return (directionBits & BridgeEndAxis(fromId)) != 0;
  if (IsBridgeEndId(toId)) return (directionBits & BridgeEndAxis(toId)) != 0;
  if (IsWildcardRamp(fromId) || IsWildcardRamp(toId)) {
    bool single = directionCode == 1 || directionCode == 2 || directionCode == 4 || directionCode == 8;
    return single && (directionBits & directionCode) != 0;
  }
  return ExitsMeet(P3RoadExits(fromId), P3RoadExits(toId), directionBits);
}

bool P3HighwayConnects(uint32_t fromId, uint32_t toId, uint32_t directionBits) {
  fromId = HighwayReading(fromId);
  toId = HighwayReading(toId);
  if (!P3RoadIsHighway(fromId) || !P3RoadIsHighway(toId)) return false;
  return ExitsMeet(P3RoadExits(fromId), P3RoadExits(toId), directionBits);
}

bool P3RoadIsVertexTile(const CityArrays& city, int x, int y) {
  uint32_t id = CityTileId(city, x, y);
  if (id == 105) return false;
  if (InRange(id, 39, 43)) return true;
  if (id == 73 && x % 2 == 0) {
    uint32_t west = CityTileId(city, x - 1, y);
    if (x > 1 && (west == kFlipped + 0x5F || west == kFlipped + 0x60)) return true;
    uint32_t east = CityTileId(city, x + 2, y);
    return x < 124 && (east == kFlipped + 0x5D || east == kFlipped + 0x5E);
  }
  if (id == 74 && y % 2 == 0) {
    uint32_t north = CityTileId(city, x, y - 1);
    if (y > 1 && (north == 95 || north == 96)) return true;
    uint32_t south = CityTileId(city, x, y + 2);
    return y < 124 && (south == 93 || south == 94);
  }
  return false;
}

int P3RoadTileTime(uint32_t id) {
  if (InRange(id, 29, 38) || InRange(id, 63, 70) || InRange(id, 81, 89) || InRange(id, 97, 104)) return 8;
  if (InRange(id, 39, 43) || InRange(id, 93, 96) || id == 105) return 10;
  if (InRange(id, 73, 80) || InRange(id, 106, 107)) return 4;
  if (InRange(id, kFlipped + 0x51, kFlipped + 0x59)) return 8;
  if (InRange(id, kFlipped + 0x5D, kFlipped + 0x60)) return 10;
  if (id == kFlipped + 0x6A || id == kFlipped + 0x6B) return 4;
  return 0;
}
