#include "enginefiles/BodyCheck.h"

#include <cstdint>

#include "pel3d/bodies/BodyFileFormat.h"

namespace {

// The header holds the vertex count plus one, and the face and node counts, as i16.
constexpr std::size_t kMaxVertices = 32766;
constexpr std::size_t kMaxFaces = 32767;
constexpr uint64_t kMaxBspNodes = 32767;

BodyFault Fault(BodyFault::Part part, std::size_t index, std::string reason) { return {part, index, std::move(reason)}; }

std::string Count(std::size_t count, const char* what, std::size_t most) {
  return std::to_string(count) + " " + what + ", at most " + std::to_string(most);
}

std::optional<BodyFault> CheckFace(const BodyDescription& body, std::size_t index) {
  const FaceDescription& face = body.faces[index];
  const std::size_t corners = face.corners.size();
  if (corners < 1 || corners > static_cast<std::size_t>(kMaxFaceVertices))
    return Fault(BodyFault::Part::Face, index, Count(corners, "corners", kMaxFaceVertices));
  if (face.type > kMaxFaceType)
    return Fault(BodyFault::Part::Face, index,
                 "face type " + std::to_string(face.type) + ", at most " + std::to_string(kMaxFaceType));
  for (int32_t corner : face.corners) {
    if (corner < 0 || static_cast<std::size_t>(corner) >= body.vertices.size())
      return Fault(BodyFault::Part::Face, index,
                   "vertex " + std::to_string(corner) + " of a body of " + std::to_string(body.vertices.size()));
  }
  return std::nullopt;
}

std::optional<BodyFault> CheckNode(const BodyDescription& body, std::size_t index) {
  const BspNodeRecord& node = body.bspNodes[index];
  if (node.face >= body.faces.size())
    return Fault(BodyFault::Part::Node, index,
                 "face " + std::to_string(node.face) + " of a body of " + std::to_string(body.faces.size()));
  for (int child : {node.first, node.second}) {
    // A child after its parent keeps the tree free of loops.
    const bool inList = child < 0 || (static_cast<std::size_t>(child) > index &&
                                      static_cast<std::size_t>(child) < body.bspNodes.size());
    if (!inList) return Fault(BodyFault::Part::Node, index, "child " + std::to_string(child) + " is not a later node");
  }
  return std::nullopt;
}

std::optional<BodyFault> CheckBsp(const BodyDescription& body) {
  for (std::size_t i = 0; i < body.bspNodes.size(); ++i) {
    if (auto fault = CheckNode(body, i)) return fault;
  }
  if (!body.hasBsp) return std::nullopt;
  if (body.bspRoot >= static_cast<int>(body.bspNodes.size()))
    return Fault(BodyFault::Part::Body, 0, "BSP root " + std::to_string(body.bspRoot) + " is not a node");
  const uint64_t written = CountBspNodes(body);
  if (written > kMaxBspNodes)
    return Fault(BodyFault::Part::Body, 0, std::to_string(written) + " BSP nodes, at most " + std::to_string(kMaxBspNodes));
  return std::nullopt;
}

}  // namespace

std::optional<BodyFault> CheckBody(const BodyDescription& body) {
  if (body.vertices.size() > kMaxVertices)
    return Fault(BodyFault::Part::Body, 0, Count(body.vertices.size(), "vertices", kMaxVertices));
  if (body.faces.size() > kMaxFaces) return Fault(BodyFault::Part::Body, 0, Count(body.faces.size(), "faces", kMaxFaces));
  for (std::size_t i = 0; i < body.faces.size(); ++i) {
    if (auto fault = CheckFace(body, i)) return fault;
  }
  return CheckBsp(body);
}

std::string DescribeBodyFault(const BodyDescription& body, const BodyFault& fault) {
  std::string where = "body " + std::to_string(body.id);
  if (fault.part == BodyFault::Part::Face) where += ", face " + std::to_string(fault.index);
  if (fault.part == BodyFault::Part::Node) where += ", node " + std::to_string(fault.index);
  return where + ": " + fault.reason;
}
