#include "pel3d/bodies/BodyBspReader.h"

#include <vector>

#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyBlock.h"
#include "pel3d/bodies/BodyFileFormat.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/files/ResourceByteSource.h"
#include "platform/ByteOrder.h"

bool ReadBodyBspNode(ResourceByteSource& file, BspNode* nodes, int32_t nodeCount, const Body& body,
                     Face* const* faces, BspNode*& root) {
  // The subtrees still to read, the next on top; a stack instead of recursion, so a deep
  // tree cannot exhaust the call stack.
  std::vector<BspNode**> pending{&root};
  int32_t used = 0;
  while (!pending.empty()) {
    BspNode** slot = pending.back();
    pending.pop_back();
    const uint64_t start = file.Offset();
    const uint8_t* number = file.Take(kBspFaceNumberSize);
    if (!number) return false;
    const uint16_t faceNumber = platform::ReadLE16(number);
    if (faceNumber == kBspEmpty) {
      *slot = nullptr;
      continue;
    }
    if (faceNumber >= body.faceCount)
      return EngineFail(kErrorBadContent, "a BSP node naming a face outside the body", static_cast<int64_t>(start));
    if (used >= nodeCount)
      return EngineFail(kErrorBadContent, "more BSP nodes than the header counts", static_cast<int64_t>(start));
    const uint8_t* values = file.Take(kBspValuesSize);
    if (!values) return false;
    BspNode& node = nodes[used++];
    node.face = faces[faceNumber];
    for (int i = 0; i < 4; ++i) node.values[i] = platform::ReadLE32Signed(values + 4 * i);
    *slot = &node;
    pending.push_back(&node.second);
    pending.push_back(&node.first);
  }
  return true;
}

bool ReadBodyBsp(ResourceByteSource& file, BodyBlock& block, Body& body, Face* const* faces) {
  const uint64_t headerStart = file.Offset();
  const uint8_t* header = file.Take(kBspHeaderSize);
  if (!header) return false;
  const int16_t nodeCount = platform::ReadLE16Signed(header + kBspNodeCountOffset);
  if (nodeCount < 0)
    return EngineFail(kErrorBadContent, "a negative BSP node count", static_cast<int64_t>(headerStart + kBspNodeCountOffset));
  BspNode* nodes = block.Take<BspNode>(static_cast<std::size_t>(nodeCount));
  if (!nodes) return EngineFail(kErrorGroupTooSmall, "no room in the group's block for the BSP nodes");
  return ReadBodyBspNode(file, nodes, nodeCount, body, faces, body.bspRoot);
}
