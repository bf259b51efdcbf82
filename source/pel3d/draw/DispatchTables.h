#pragma once
#include <array>
#include <cstdint>

#include "pel3d/draw/RasterRoutines.h"
#include "pel3d/math/FixedPoint.h"

// Which routine draws a polygon: by depth band, texture option and face type in the scene
// draw, by face type alone in the body-queue draw, by ground type for ground triangles.

constexpr int32_t kSceneFaceTypes = 28;  // 0 to 27
constexpr int32_t kBodyFaceTypes = 32;  // 0 to 31
constexpr int32_t kBandCount = 4;
constexpr int32_t kUntexturedOffset = 28;  // added to the type with object textures off
constexpr int32_t kUntexturedGroundOffset = 3;  // added to the ground type with terrain textures off
constexpr int32_t kUnusedFaceType = 12;
constexpr int32_t kFlatFaceType = 15;

constexpr Fixedpoint kBand1Depth = 284 * kFixedOne;
constexpr Fixedpoint kBand2Depth = 400 * kFixedOne;

using BandTable = std::array<RasterId, 2 * kSceneFaceTypes>;

extern const std::array<BandTable, kBandCount> kBandTables;
extern const std::array<RasterId, kBodyFaceTypes> kBodyTable;
extern const std::array<RasterId, 6> kGroundTable;

// The band of a depth key: 3 from the fog threshold on (compared first), else 2 from
// 400.0, 1 from 284.0, 0 nearer.
int32_t DepthBand(Fixedpoint depth, Fixedpoint fogThreshold);
