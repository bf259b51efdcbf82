#include "pel3d/draw/BodyPolygonList.h"

#include <vector>

#include "pel3d/bodies/Body.h"
#include "pel3d/draw/BodyQueue.h"
#include "pel3d/draw/BodyTransform.h"
#include "pel3d/draw/FaceListing.h"
#include "pel3d/draw/PolygonList.h"
#include "pel3d/math/View.h"

namespace {

void ListFace(Face* face, Fixedpoint depth = 0) {
  if (!face || face->screenVertexCount <= 0) return;
  gSortedList.Append({face, depth, face->screenVertexCount, face->firstScreenVertex});
}

// Inserts the face among the chain's entries (from first on) by decreasing depth, behind
// those of equal depth.
void ListChainFace(Face* face, int32_t first) {
  if (!face || face->screenVertexCount <= 0) return;
  const Fixedpoint depth = GreatestDepth(face->firstScreenVertex, face->screenVertexCount);
  if (!gSortedList.Append({face, depth, face->screenVertexCount, face->firstScreenVertex})) return;
  PolyEntry* entries = gSortedList.entries.data();
  for (int32_t slot = gSortedList.count - 1; slot > first && entries[slot - 1].depth < depth; --slot) {
    std::swap(entries[slot], entries[slot - 1]);
  }
}

void ListChain(const BspNode* node) {
  const int32_t first = gSortedList.count;
  for (; node; node = node->first) ListChainFace(node->face, first);
}

bool IsChainHead(const BspNode& node) { return static_cast<uint32_t>(node.values[3]) == kBspChainMarker; }

// The side of the node's plane the camera is on: 0 or above lists the second subtree first.
bool CameraInFront(const BspNode& node) {
  const Vec3& c = gView.cameraPosition;
  Fixedpoint s = FixMul(c.x, node.values[0]);
  s = wrap32::Add(s, FixMul(c.z, node.values[2]));
  s = wrap32::Add(s, FixMul(c.y, node.values[1]));
  return wrap32::Add(s, node.values[3]) >= 0;
}

// Walks the tree back to front with a stack of its own, so a deep tree cannot exhaust the
// call stack. A node is pushed twice: first to expand it, then to list its face.
void ListTree(const BspNode* root) {
  struct Step {
    const BspNode* node;
    bool expand;
  };
  std::vector<Step> pending{{root, true}};
  while (!pending.empty()) {
    const Step step = pending.back();
    pending.pop_back();
    if (!step.node) continue;
    const BspNode& node = *step.node;
    if (!step.expand) {
      ListFace(node.face);
    } else if (IsChainHead(node)) {
      ListChain(&node);
    } else {
      const bool front = CameraInFront(node);
      pending.push_back({front ? node.first : node.second, true});
      pending.push_back({&node, false});
      pending.push_back({front ? node.second : node.first, true});
    }
  }
}

// A tree names the faces of the body it was read for; a copy that shares it has faces of
// its own, which the tree does not reach.
bool TreeIsOwn(Body& body) {
  bool own = false;
  ForEachFace(body, [&](Face& face) { own = own || &face == body.bspRoot->face; });
  return own;
}

void ListBody(Body& body) {
  const int32_t first = gSortedList.count;
  body.firstPolyEntry = gSortedList.WritePosition();
  if (body.bspRoot && TreeIsOwn(body)) {
    ListTree(body.bspRoot);
  } else {
    ForEachFace(body, [](Face& face) { ListFace(&face); });
  }
  body.polyEntryCount = gSortedList.count - first;
}

}  // namespace

void BuildBodyPolygonList() {
  gSortedList.Empty();
  for (int32_t i = 0; i < gBodyQueue.count; ++i) {
    Body* body = gBodyQueue.entries[static_cast<std::size_t>(i)].body;
    if (body) ListBody(*body);
  }
}
