#include "pel3d/bodies/BodyBspReader.h"

#include <vector>

#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyBlock.h"
#include "pel3d/bodies/BodyFileFormat.h"
#include "pel3d/bodies/BodyFileReader.h"
#include "pel3d/files/EngineError.h"

namespace {

bool Fail(int32_t code) {
  SetLastResourceError(code);
  return false;
}

}  // namespace

bool ReadBodyBsp(BodyFileReader& file, BodyBlock& block, Body& body, Face* const* faces) {
  uint8_t header[kBspHeaderSize];
  if (!file.Read(header, sizeof header)) return false;
  const int16_t nodeCount = ReadI16(header + kBspNodeCountOffset);
  if (nodeCount < 0) return Fail(kErrorShortRead);
  BspNode* nodes = block.Take<BspNode>(static_cast<std::size_t>(nodeCount));
  if (!nodes) return Fail(kErrorGroupTooSmall);

  // The subtrees still to read, the next on top; a stack instead of recursion, so a deep
  // tree cannot exhaust the call stack.
  std::vector<BspNode**> pending{&body.bspRoot};
  int32_t used = 0;
  while (!pending.empty()) {
    BspNode** slot = pending.back();
    pending.pop_back();
    uint8_t number[kBspFaceNumberSize];
    if (!file.Read(number, sizeof number)) return false;
    const uint16_t faceNumber = ReadU16(number);
    if (faceNumber == kBspEmpty) {
      *slot = nullptr;
      continue;
    }
    if (faceNumber >= body.faceCount || used >= nodeCount) return Fail(kErrorShortRead);
    BspNode& node = nodes[used++];
    uint8_t values[kBspValuesSize];
    if (!file.Read(values, sizeof values)) return false;
    node.face = faces[faceNumber];
    for (int i = 0; i < 4; ++i) node.values[i] = ReadI32(values + 4 * i);
    *slot = &node;
    pending.push_back(&node.second);
    pending.push_back(&node.first);
  }
  return true;
}
