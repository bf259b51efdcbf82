#include "enginefiles/BodyWriter.h"

#include <algorithm>
#include <optional>

#include "enginefiles/BodyCheck.h"
#include "enginefiles/ByteWriter.h"
#include "enginefiles/ResourceFileWriter.h"
#include "pel3d/bodies/BodyFileFormat.h"
#include "pel3d/bodies/BodyRegistry.h"

namespace {

void I16(ByteWriter& out, int32_t value) {
  out.U8(static_cast<uint8_t>(value));
  out.U8(static_cast<uint8_t>(value >> 8));
}

void I32(ByteWriter& out, int32_t value) { out.U32(static_cast<uint32_t>(value)); }

void Zeros(ByteWriter& out, uint32_t count) {
  for (uint32_t i = 0; i < count; ++i) out.U8(0);
}

void WriteHeader(ByteWriter& out, const BodyDescription& body) {
  Zeros(out, kBodyVertexCountOffset);
  I16(out, static_cast<int32_t>(body.vertices.size()) + 1);
  I16(out, static_cast<int32_t>(body.faces.size()));
  out.U32((body.hasBsp ? kBodyFileHasBsp : 0) | (body.recentre ? kBodyFileRecentre : 0));
  I32(out, body.radius);
  Zeros(out, kBodyIdOffset - kBodyRadiusOffset - 4);
  out.U32(body.id);
}

void WriteFace(ByteWriter& out, const FaceDescription& face) {
  for (int i = 0; i < 4; ++i) out.U8(static_cast<uint8_t>(kFaceTag[i]));
  Zeros(out, 4);
  I16(out, static_cast<int32_t>(face.corners.size()));
  out.U32(face.flags);
  out.U32(face.colour);
  out.U8(face.type);
  out.U8(static_cast<uint8_t>(face.texture));
  out.U8(static_cast<uint8_t>(face.texture >> 16));
  for (int32_t corner : face.corners) I16(out, corner + 1);
  for (size_t k = 0; k < face.corners.size(); ++k) {
    const std::array<int32_t, 2> pair = k < face.texCoords.size() ? face.texCoords[k] : std::array<int32_t, 2>{};
    I32(out, pair[0]);
    I32(out, pair[1]);
  }
}

// The subtree of node (or an empty one) in pre-order.
void WriteBspNode(ByteWriter& out, const BodyDescription& body, int node) {
  if (node < 0) {
    I16(out, kBspEmpty);
    return;
  }
  const BspNodeRecord& record = body.bspNodes.at(static_cast<size_t>(node));
  I16(out, record.face);
  for (int32_t value : record.values) I32(out, value);
  WriteBspNode(out, body, record.first);
  WriteBspNode(out, body, record.second);
}

FaceDescription MakeFace(std::vector<int32_t> corners, uint32_t flags, uint32_t colour, uint8_t type) {
  FaceDescription face;
  face.corners = std::move(corners);
  face.flags = flags;
  face.colour = colour;
  face.type = type;
  return face;
}

// False with the fault's description when the loader would refuse the body.
bool CheckedBody(const BodyDescription& body, std::string& error) {
  const std::optional<BodyFault> fault = CheckBody(body);
  if (fault) error = DescribeBodyFault(body, *fault);
  return !fault;
}

}  // namespace

FaceDescription GouraudFace(std::vector<int32_t> corners, uint32_t colour, uint8_t type) {
  return MakeFace(std::move(corners), 0x2 | 0x4000, colour, type);
}

FaceDescription SpriteFace(std::vector<int32_t> corners, uint32_t colour, uint8_t type) {
  return MakeFace(std::move(corners), 0x2 | 0x4, colour, type);
}

FaceDescription LineFace(int32_t from, int32_t to, uint32_t colour) {
  constexpr uint8_t kLineType = 20;
  FaceDescription face = MakeFace({from, to}, 0x2 | 0x8000, colour, kLineType);
  face.texture = colour;
  return face;
}

std::vector<FaceDescription> PolylineFaces(const std::vector<int32_t>& vertices, uint32_t colour) {
  std::vector<FaceDescription> faces;
  for (size_t i = 1; i < vertices.size(); ++i) faces.push_back(LineFace(vertices[i - 1], vertices[i], colour));
  return faces;
}

std::vector<uint8_t> WriteBody(const BodyDescription& body) {
  ByteWriter out;
  WriteHeader(out, body);
  for (int axis = 0; axis < 3; ++axis) I32(out, body.position[axis]);
  for (const Vec3& vertex : body.vertices) {
    for (int axis = 0; axis < 3; ++axis) I32(out, vertex[axis]);
  }
  for (const FaceDescription& face : body.faces) WriteFace(out, face);
  if (body.hasBsp) {
    Zeros(out, kBspNodeCountOffset);
    I16(out, static_cast<int32_t>(CountBspNodes(body)));
    WriteBspNode(out, body, body.bspRoot);
  }
  return out.Result();
}

GroupCounts CountBodies(const std::vector<BodyDescription>& bodies) {
  GroupCounts counts;
  for (const BodyDescription& body : bodies) {
    if (body.hasBsp) counts.values[kCountBspNodes] += static_cast<uint32_t>(CountBspNodes(body));
    for (const FaceDescription& face : body.faces) counts.values[kCountIndices] += static_cast<uint32_t>(face.corners.size());
    counts.values[kCountFaces] += static_cast<uint32_t>(body.faces.size());
    counts.values[kCountVertices] += static_cast<uint32_t>(body.vertices.size());
  }
  return counts;
}

uint64_t CountBspNodes(const BodyDescription& body) {
  // A node named by two parents is written twice; counted from the last node back, each
  // subtree is counted once, and the sums stop growing long before they could overflow.
  constexpr uint64_t kEnough = uint64_t{1} << 40;
  std::vector<uint64_t> reached(body.bspNodes.size(), 0);
  const auto count = [&](int node) {
    return node >= 0 && static_cast<size_t>(node) < reached.size() ? reached[static_cast<size_t>(node)] : 0;
  };
  for (size_t i = reached.size(); i-- > 0;) {
    const BspNodeRecord& node = body.bspNodes[i];
    reached[i] = std::min(kEnough, 1 + count(node.first) + count(node.second));
  }
  return count(body.bspRoot);
}

bool AddBodyGroup(ResourceFileWriter& writer, const std::string& name, const std::vector<BodyDescription>& bodies,
                  std::string& error) {
  if (name.size() > kGroupNameSize) {
    error = "group name \"" + name + "\" is " + std::to_string(name.size()) + " bytes, at most " +
            std::to_string(kGroupNameSize);
    return false;
  }
  if (bodies.size() > static_cast<size_t>(kBodyRegistryCapacity)) {
    error = "group " + name + " has " + std::to_string(bodies.size()) + " bodies, the engine registers at most " +
            std::to_string(kBodyRegistryCapacity);
    return false;
  }
  std::vector<uint8_t> bytes;
  for (const BodyDescription& body : bodies) {
    if (!CheckedBody(body, error)) return false;
    const std::vector<uint8_t> one = WriteBody(body);
    bytes.insert(bytes.end(), one.begin(), one.end());
  }
  return writer.AddNamedGroup(name, static_cast<uint32_t>(bodies.size()), CountBodies(bodies), bytes);
}

bool AddIdBodies(ResourceFileWriter& writer, const std::vector<BodyDescription>& bodies, std::string& error) {
  for (const BodyDescription& body : bodies) {
    if (!CheckedBody(body, error)) return false;
  }
  for (const BodyDescription& body : bodies) writer.AddIdBody(body.id, CountBodies({body}), WriteBody(body));
  return true;
}
