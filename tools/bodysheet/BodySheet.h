#pragma once
#include <cstdint>
#include <vector>

struct Body;
class EngineSets;
struct ResourceGroup;

// A sheet of bodies: each body drawn by the engine's scene draw on a cell of its own, on its
// ground, seen from three-quarters (south-west and above), its id written under it.
struct BodySheet {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;  // palette indices, top row first
};

inline constexpr int32_t kSheetViewWidth = 192;
inline constexpr int32_t kSheetViewHeight = 152;
inline constexpr int32_t kSheetLabelHeight = 12;
inline constexpr int32_t kSheetColumns = 8;

// Draws every body of the group; the engine must have been started and the sets loaded.
BodySheet DrawBodySheet(const ResourceGroup& group, const EngineSets& sets, bool night);
// Draws one body into a view of kSheetViewWidth x kSheetViewHeight.
std::vector<uint8_t> DrawBodyView(Body& body, bool night);
