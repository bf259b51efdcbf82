#pragma once
#include <cstdint>

#include "pel3d/draw/CellRecords.h"

struct FireObject;

// The world's records of the cell map, each built on the part the frame draw reads.

// Cell flags beside the draw's (kCellNoGround 0x1, kCellFar 0x2).
constexpr uint16_t kCellVisited = 0x4;  // reached by this frame's spreading pass
constexpr uint16_t kCellBurning = 0x20;

// One record per building or single cell; a building of size s shares its record among its
// s x s cells. The draw's fields hold: originX and originZ the centre, originY the height
// (whole units); drawCountdown the visible count; staticObjects the static list (`stptr`),
// firstObjects the dynamic list (`dyptr`), secondObjects this frame's view list (`vwptr`).
struct cell_info : DrawCell {
  uint16_t size = 0;  // 1 to 4 in the city, 16 for made-up land
  int16_t topY = 0;  // its static bodies' greatest vertex y above its height
};

// Draw flags of a static object.
constexpr uint32_t kNodeBurning = 0x1;
constexpr uint32_t kNodeBuilding = 0x4;  // carries flames
constexpr uint32_t kNodeDeck = 0x8;  // the deck of a raised piece
constexpr uint32_t kNodePavedLot = 0x10;  // the ground piece under a building
constexpr uint32_t kNodeAirBasePad = 0x20;
constexpr uint32_t kNodeTree = 0x40;
constexpr uint32_t kNodeLandingPlace = 0x200;
constexpr uint32_t kNodeHelipad = 0x220;
constexpr uint32_t kNodeHangarApron = 0x280;
constexpr uint32_t kNodeRubble = 0x400;

// A static object of a cell record.
struct StaticObjectNode : StaticEntry {
  uint32_t drawFlags = 0;
  FireObject* fire = nullptr;  // the fire burning on it, while it burns
};

inline StaticObjectNode* FirstNode(const cell_info& cell) {
  return static_cast<StaticObjectNode*>(cell.staticObjects);
}
inline StaticObjectNode* NextNode(const StaticObjectNode& node) { return static_cast<StaticObjectNode*>(node.next); }

// Type word of a dynamic object.
constexpr uint32_t kDyobjDrawn = 0x1;
constexpr uint32_t kDyobjListed = 0x2;  // placed on a view list this frame
constexpr uint32_t kDyobjHelicopter = 0x4;
constexpr uint32_t kDyobjPerson = 0x8;
constexpr uint32_t kDyobjAuto = 0x10;
constexpr uint32_t kDyobjNotHit = 0x20;
constexpr uint32_t kDyobjPuff = 0x40;
constexpr uint32_t kDyobjTrainCar = 0x80;
constexpr uint32_t kDyobjPlane = 0x100;
constexpr uint32_t kDyobjBoat = 0x200;
constexpr uint32_t kDyobjDebris = 0x400;
constexpr uint32_t kDyobjBurning = 0x1000;

// What every moving thing embeds to stand in a cell: nextFirst links the cell's `dyptr`
// list, nextSecond its view list, body is the mesh and flags the type word.
struct dyobj : DrawObject {
  uint16_t ownerIndex = 0;  // the owner's slot in its own table
  Fixedpoint radius = 0;  // half the side of the square it covers on the ground
  Fixedpoint height = 0;  // the body's greatest vertex y; 1.0 for bullets
};
