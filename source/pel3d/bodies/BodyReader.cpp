#include "pel3d/bodies/BodyReader.h"

#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "Drovane/Arena.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyAccessors.h"
#include "pel3d/bodies/BodyBlock.h"
#include "pel3d/bodies/BodyBspReader.h"
#include "pel3d/bodies/BodyFileFormat.h"
#include "pel3d/bodies/BodyFileReader.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/bodies/FacePlane.h"
#include "pel3d/bodies/Lighting.h"
#include "pel3d/files/ResourceFileFormat.h"

namespace {

bool Fail(int32_t code) {
  SetLastResourceError(code);
  return false;
}

template <class T>
T* Take(BodyBlock& block, std::size_t count) {
  T* records = block.Take<T>(count);
  if (!records) SetLastResourceError(kErrorGroupTooSmall);
  return records;
}

Vec3 ReadVec3(const uint8_t* bytes) { return {ReadI32(bytes), ReadI32(bytes + 4), ReadI32(bytes + 8)}; }

// Resets the scratch arena when the body's reading ends, however it ends.
class ScratchReset {
public:
  ~ScratchReset() { ArenaReset(gScratchArena); }
};

class BodyFileBody {
public:
  BodyFileBody(BodyFileReader& file, BodyBlock& block, int textureCoordArena)
      : mFile(file), mBlock(block), mTextureCoordArena(textureCoordArena) {}

  Body* Read() {
    ScratchReset scratchReset;
    Body* body = Take<Body>(mBlock, 1);
    if (!body || !ReadHeader(*body) || !ReadVertices(*body) || !ReadFaces(*body)) return nullptr;
    if ((body->flags & kBodyFileHasBsp) && !ReadBodyBsp(mFile, mBlock, *body, mFaceTable)) return nullptr;
    if (body->flags & kBodyFileRecentre) RecentreBody(body);
    if (mNeedsVertexNormals) ShadeVertices(*body);
    if (!AddBody(body)) {
      Fail(kErrorBodyRegistryFull);
      return nullptr;
    }
    return body;
  }

private:
  bool ReadHeader(Body& body) {
    uint8_t header[kBodyHeaderSize];
    uint8_t position[kBodyPositionSize];
    if (!mFile.Read(header, sizeof header) || !mFile.Read(position, sizeof position)) return false;
    const int16_t vertexValue = ReadI16(header + kBodyVertexCountOffset);
    const int16_t faceCount = ReadI16(header + kBodyFaceCountOffset);
    if (vertexValue < 1 || faceCount < 0) return Fail(kErrorShortRead);
    body.flags = ReadU32(header + kBodyFlagsOffset);
    body.vertexCount = vertexValue - 1;
    body.faceCount = faceCount;
    body.radius = ReadI32(header + kBodyRadiusOffset);
    body.id = ReadU32(header + kBodyIdOffset);
    body.position = ReadVec3(position);
    return true;
  }

  bool ReadVertices(Body& body) {
    const std::size_t count = static_cast<std::size_t>(body.vertexCount);
    if (!mFile.Holds(count, kVertexRecordSize)) return Fail(kErrorShortRead);
    body.vertices = Take<Vec3>(mBlock, count);
    if (!body.vertices) return false;
    std::vector<uint8_t> bytes(count * kVertexRecordSize);
    if (!mFile.Read(bytes.data(), static_cast<uint32_t>(bytes.size()))) return false;
    for (std::size_t i = 0; i < count; ++i) body.vertices[i] = ReadVec3(bytes.data() + i * kVertexRecordSize);
    return true;
  }

  bool ReadFaces(Body& body) {
    if (!mFile.Holds(static_cast<uint64_t>(body.faceCount), kFaceHeaderSize)) return Fail(kErrorShortRead);
    if (body.flags & kBodyFileHasBsp) {
      mFaceTable = ArenaNewArray<Face*>(gScratchArena, static_cast<std::size_t>(body.faceCount));
      if (!mFaceTable) return Fail(kErrorOutOfMemory);
    }
    Face** link = &body.faces;
    for (int32_t i = 0; i < body.faceCount; ++i) {
      Face* face = ReadFace(body);
      if (!face) return false;
      *link = face;
      link = &face->next;
      body.indexCount += face->vertexCount;
      if (mFaceTable) mFaceTable[i] = face;
    }
    return true;
  }

  Face* ReadFace(const Body& body) {
    uint8_t header[kFaceHeaderSize];
    if (!mFile.Read(header, sizeof header)) return nullptr;
    if (std::memcmp(header, kFaceTag, 4) != 0) return FailFace(kErrorBadTag);
    const int16_t corners = ReadI16(header + kFaceVertexCountOffset);
    const uint8_t type = header[kFaceTypeOffset];
    if (corners < 1 || corners > kMaxFaceVertices || type > kMaxFaceType) return FailFace(kErrorShortRead);

    const std::size_t n = static_cast<std::size_t>(corners);
    Face* face = Take<Face>(mBlock, 1);
    if (!face) return nullptr;
    face->vertexCount = corners;
    face->flags = ReadU32(header + kFaceFlagsOffset);
    face->colour = ReadU32(header + kFaceColourOffset);
    face->type = type;
    face->textureId = static_cast<uint32_t>(header[kFaceTextureHighOffset]) << 16 | header[kFaceTextureLowOffset];
    if (face->flags & kFaceVertexShaded) mNeedsVertexNormals = true;
    face->indices = Take<uint32_t>(mBlock, n);
    face->texCoords = Take<TexCoord>(mBlock, n);
    face->plane = Take<Plane>(mBlock, 1);
    if (!face->indices || !face->texCoords || !face->plane) return nullptr;
    if (!ReadCorners(body, *face)) return nullptr;
    ComputeFacePlane(body, *face);
    return face;
  }

  bool ReadCorners(const Body& body, Face& face) {
    const std::size_t n = static_cast<std::size_t>(face.vertexCount);
    uint8_t bytes[kMaxFaceVertices * kFaceCornerSize];
    if (!mFile.Read(bytes, static_cast<uint32_t>(n * kFaceCornerSize))) return false;
    for (std::size_t k = 0; k < n; ++k) {
      const int16_t index = ReadI16(bytes + k * kFaceIndexSize);
      if (index < 1 || index > body.vertexCount) return Fail(kErrorShortRead);
      face.indices[k] = static_cast<uint32_t>(index - 1);
    }
    const uint8_t* coords = bytes + n * kFaceIndexSize;
    for (std::size_t k = 0; k < n; ++k) {
      face.texCoords[k] = {ReadI32(coords + k * kTexCoordRecordSize), ReadI32(coords + k * kTexCoordRecordSize + 4)};
    }
    face.texCoordCopy = static_cast<TexCoord*>(
        ArenaAlloc(mTextureCoordArena, static_cast<uint32_t>(n * sizeof(TexCoord))));
    if (!face.texCoordCopy) return Fail(kErrorOutOfMemory);
    std::uninitialized_copy_n(face.texCoords, n, face.texCoordCopy);
    return true;
  }

  Face* FailFace(int32_t code) {
    SetLastResourceError(code);
    return nullptr;
  }

  // Vertex normals live on the heap, counted in the memory statistics, only while the
  // corners are shaded; without the memory the corners keep what the file gave them.
  static void ShadeVertices(Body& body) {
    const std::size_t count = static_cast<std::size_t>(body.vertexCount);
    std::unique_ptr<Vec3[]> normals(new (std::nothrow) Vec3[count > 0 ? count : 1]);
    if (!normals) return;
    const uint32_t bytes = static_cast<uint32_t>(count * sizeof(Vec3));
    CountAllocated(bytes);
    gMemoryStatistics.inUse += bytes;
    ComputeVertexNormals(body, normals.get());
    LightFaceVertices(&body, normals.get());
    gMemoryStatistics.allocated -= bytes;
    gMemoryStatistics.inUse -= bytes;
  }

  BodyFileReader& mFile;
  BodyBlock& mBlock;
  int mTextureCoordArena;
  Face** mFaceTable = nullptr;
  bool mNeedsVertexNormals = false;
};

}  // namespace

Body* ReadBody(BodyFileReader& file, BodyBlock& block, int textureCoordArena) {
  return BodyFileBody(file, block, textureCoordArena).Read();
}
