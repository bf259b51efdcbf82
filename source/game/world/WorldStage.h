#pragma once
#include <atomic>
#include <cstdint>

// The stages of the world's start: each sets its bit in WorldStageMask as it begins, and
// the loading screen names the begun stages (string 650 + k names the stage of bit 2^k).
enum WorldStage : uint32_t {
  kStageTuning = 0x1,
  kStageEngine = 0x2,
  kStageResources = 0x4,
  kStageTextures = 0x8,
  kStageTerrain = 0x10,
  kStageObjects = 0x20,
  kStageMap = 0x40,
  kStageHelicopters = 0x80,
  kStageAutos = 0x100,
  kStageOtherVehicles = 0x200,
  kStageEffects = 0x400,
  kStagePeople = 0x800,
  kStageCity = 0x1000,
  kStageRoads = 0x2000,
  kStageViewer = 0x4000,
};

// Written by the loading thread, read by the main thread's loading screen.
extern std::atomic<uint32_t> WorldStageMask;
// 1 once WorldInit has built the world, else 0.
extern std::atomic<int32_t> WorldReady;

inline void BeginWorldStage(WorldStage stage) { WorldStageMask |= stage; }
