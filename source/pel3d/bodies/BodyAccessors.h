#pragma once
#include <cstdint>

#include "pel3d/bodies/Body.h"

// Where and how large a body is placed: the argument of SetBodyMatrix.
struct Placement {
  Vec3 position;
  Vec3 scale;
  Matrix orientation{};
};

// How SetBodyMatrix applies the placement's scale; any other mode applies none.
enum PlacementScaleMode : int32_t {
  kScaleAlongBodyAxes = 1,
  kScaleAlongPlacedAxes = 2,
  kNoScale = 3,
};

// What GetBodyInfo tells of a body.
struct BodyInfo {
  int32_t faceCount = 0;
  int32_t vertexCount = 0;
  uint32_t flags = 0;
  Fixedpoint radius = 0;
  Vec3* viewPosition = nullptr;  // written by the body queue every frame
  Vec3* vertices = nullptr;
  uint32_t spare[2] = {};  // left as the caller set them
  Matrix* matrix = nullptr;
};

// The sum of the vertex counts of the body's faces.
int32_t CountBodyIndices(const Body* body);
uint32_t GetBodyFlags(const Body* body);
Face* GetBodyFaces(const Body* body);
Face* GetNextFace(const Face* face);
// The face's texture id (Face::textureId).
void SetFaceTexture(Face* face, uint32_t textureId);
uint32_t GetFaceTexture(const Face* face);
uint32_t GetBodyId(const Body* body);

// Edits the body's flags word: flags = (flags AND and-mask) OR or-mask, by mode.
enum BodyFlagMode : int32_t {
  kBodyShow = 0,  // clears kBodySwitchedOff
  kBodyHide = 1,  // sets kBodySwitchedOff
  kBodySetOwnMatrix = 2,
  kBodyClearOwnMatrix = 3,
  kBodyMakeFindable = 4,  // clears kBodyNotFindable
  kBodySetFlag20 = 5,
  kBodyClearFlag20 = 6,
  kBodySetBsp = 7,  // sets flag 1
};
constexpr int32_t kBodyFlagModeCount = 8;
// A mode outside 0 to 7 changes nothing.
void SetBodyFlagMode(Body* body, int32_t mode);

// Makes the vertices relative to the position, sets the position to 0 and kBodyRecentred.
void RecentreBody(Body* body);

// body matrix = camera matrix x placement: the orientation, scaled by the mode, moved to
// the position.
void SetBodyMatrix(Body* body, const Placement& placement, int32_t mode);

void GetBodyInfo(Body* body, BodyInfo& info);
Vec3 GetBodyPosition(const Body* body);
void SetBodyPosition(Body* body, const Vec3& position);
// Stores the game's own pointer in the body; copies share it.
void SetBodyUserData(Body* body, void* userData);
