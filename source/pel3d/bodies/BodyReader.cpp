#include "pel3d/bodies/BodyReader.h"

#include <cstring>
#include <memory>
#include <new>

#include "Drovane/Arena.h"
#include "pel3d/CountOf.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyAccessors.h"
#include "pel3d/bodies/BodyBlock.h"
#include "pel3d/bodies/BodyBspReader.h"
#include "pel3d/bodies/BodyFileFormat.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/bodies/FacePlane.h"
#include "pel3d/bodies/Lighting.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/files/ResourceByteSource.h"
#include "pel3d/files/ResourceFileFormat.h"
#include "platform/ByteOrder.h"

namespace {

using platform::ReadLE16Signed;
using platform::ReadLE32;
using platform::ReadLE32Signed;

Vec3 ReadVec3(const uint8_t* bytes) {
  return {ReadLE32Signed(bytes), ReadLE32Signed(bytes + 4), ReadLE32Signed(bytes + 8)};
}

// Resets the scratch arena when the body's reading ends, however it ends.
class ScratchReset {
public:
  ~ScratchReset() { ArenaReset(gScratchArena); }
};

// Reads one body record, its faces and tree from the byte source into the block.
class BodyReader {
public:
  BodyReader(ResourceByteSource& file, BodyBlock& block, int textureCoordArena)
      : mFile(file), mBlock(block), mTextureCoordArena(textureCoordArena) {}

  Body* Read() {
    ScratchReset scratchReset;
    Body* body = Take<Body>(1, "the body record");
    if (!body || !ReadHeader(*body) || !ReadVertices(*body) || !ReadFaces(*body)) return nullptr;
    if ((body->flags & kBodyFileHasBsp) && !ReadBodyBsp(mFile, mBlock, *body, mFaceTable)) return nullptr;
    if (body->flags & kBodyFileRecentre) RecentreBody(body);
    if (mNeedsVertexNormals) ShadeVertices(*body);
    if (!AddBody(body)) return EngineFail(kErrorBodyRegistryFull, "the body registry is full");
    return body;
  }

private:
  template <class T>
  T* Take(std::size_t count, const char* what) {
    T* records = mBlock.Take<T>(count);
    if (!records) return EngineFail(kErrorGroupTooSmall, std::string("no room in the group's block for ") + what);
    return records;
  }

  EngineFailure Refuse(const char* what, uint64_t offset) const {
    return EngineFail(kErrorBadContent, what, static_cast<int64_t>(offset));
  }

  bool ReadHeader(Body& body) {
    const uint64_t start = mFile.Offset();
    const uint8_t* header = mFile.Take(kBodyHeaderSize + kBodyPositionSize);
    if (!header) return false;
    const int16_t vertexValue = ReadLE16Signed(header + kBodyVertexCountOffset);
    const int16_t faceCount = ReadLE16Signed(header + kBodyFaceCountOffset);
    if (vertexValue < 1) return Refuse("a header vertex value below 1", start + kBodyVertexCountOffset);
    if (faceCount < 0) return Refuse("a negative face count", start + kBodyFaceCountOffset);
    body.flags = ReadLE32(header + kBodyFlagsOffset);
    body.vertexCount = vertexValue - 1;
    body.faceCount = faceCount;
    body.radius = ReadLE32Signed(header + kBodyRadiusOffset);
    body.id = ReadLE32(header + kBodyIdOffset);
    body.position = ReadVec3(header + kBodyHeaderSize);
    return true;
  }

  bool ReadVertices(Body& body) {
    const std::size_t count = CountOf(body.vertexCount);
    if (!mFile.Holds(count, kVertexRecordSize)) return Refuse("the vertices pass the file's end", mFile.Offset());
    body.vertices = Take<Vec3>(count, "the vertices");
    if (!body.vertices) return false;
    const uint8_t* bytes = mFile.Take(static_cast<uint32_t>(count * kVertexRecordSize));
    if (!bytes) return false;
    for (std::size_t i = 0; i < count; ++i) body.vertices[i] = ReadVec3(bytes + i * kVertexRecordSize);
    return true;
  }

  bool ReadFaces(Body& body) {
    if (!mFile.Holds(CountOf(body.faceCount), kFaceHeaderSize))
      return Refuse("the faces pass the file's end", mFile.Offset());
    if (body.flags & kBodyFileHasBsp) {
      mFaceTable = ArenaNewArray<Face*>(gScratchArena, CountOf(body.faceCount));
      if (!mFaceTable) return EngineFail(kErrorOutOfMemory, "no memory for the face-number table");
    }
    Face** link = &body.faces;
    for (int32_t i = 0; i < body.faceCount; ++i) {
      Face* face = ReadFace(body);
      if (!face) {
        NoteErrorFace(i);
        return false;
      }
      *link = face;
      link = &face->next;
      body.indexCount += face->vertexCount;
      if (mFaceTable) mFaceTable[i] = face;
    }
    return true;
  }

  Face* ReadFace(const Body& body) {
    const uint64_t start = mFile.Offset();
    const uint8_t* header = mFile.Take(kFaceHeaderSize);
    if (!header) return nullptr;
    if (std::memcmp(header, kFaceTag, 4) != 0)
      return EngineFail(kErrorBadTag, "a face without its FACE tag", static_cast<int64_t>(start));
    const int16_t corners = ReadLE16Signed(header + kFaceVertexCountOffset);
    if (corners < 1 || corners > kMaxFaceVertices)
      return Refuse("a face of no corner or more than 128", start + kFaceVertexCountOffset);
    const uint8_t type = header[kFaceTypeOffset];
    if (type > kMaxFaceType) return Refuse("a face type above 27", start + kFaceTypeOffset);

    const std::size_t n = static_cast<std::size_t>(corners);
    Face* face = Take<Face>(1, "a face");
    if (!face) return nullptr;
    face->vertexCount = corners;
    face->flags = ReadLE32(header + kFaceFlagsOffset);
    face->colour = ReadLE32(header + kFaceColourOffset);
    face->type = type;
    face->textureId = static_cast<uint32_t>(header[kFaceTextureHighOffset]) << 16 | header[kFaceTextureLowOffset];
    if (face->flags & kFaceVertexShaded) mNeedsVertexNormals = true;
    face->indices = Take<uint32_t>(n, "a face's indices");
    face->texCoords = Take<TexCoord>(n, "a face's texture coordinates");
    face->plane = Take<Plane>(1, "a face's plane");
    if (!face->indices || !face->texCoords || !face->plane) return nullptr;
    if (!ReadCorners(body, *face)) return nullptr;
    ComputeFacePlane(body, *face);
    return face;
  }

  bool ReadCorners(const Body& body, Face& face) {
    const std::size_t n = CountOf(face.vertexCount);
    const uint64_t start = mFile.Offset();
    const uint8_t* bytes = mFile.Take(static_cast<uint32_t>(n * kFaceCornerSize));
    if (!bytes) return false;
    for (std::size_t k = 0; k < n; ++k) {
      const int16_t index = ReadLE16Signed(bytes + k * kFaceIndexSize);
      if (index < 1 || index > body.vertexCount)
        return Refuse("a corner naming a vertex outside the body", start + k * kFaceIndexSize);
      face.indices[k] = static_cast<uint32_t>(index - 1);
    }
    const uint8_t* coords = bytes + n * kFaceIndexSize;
    for (std::size_t k = 0; k < n; ++k) {
      const uint8_t* pair = coords + k * kTexCoordRecordSize;
      face.texCoords[k] = {ReadLE32Signed(pair), ReadLE32Signed(pair + 4)};
    }
    face.texCoordCopy = static_cast<TexCoord*>(
        ArenaAlloc(mTextureCoordArena, static_cast<uint32_t>(n * sizeof(TexCoord))));
    if (!face.texCoordCopy) return EngineFail(kErrorOutOfMemory, "no memory for a face's texture coordinates");
    std::uninitialized_copy_n(face.texCoords, n, face.texCoordCopy);
    return true;
  }

  // Vertex normals live on the heap, counted in the memory statistics, only while the
  // corners are shaded; without the memory the corners keep what the file gave them.
  static void ShadeVertices(Body& body) {
    const std::size_t count = CountOf(body.vertexCount);
    std::unique_ptr<Vec3[]> normals(new (std::nothrow) Vec3[count > 0 ? count : 1]);
    if (!normals) return;
    const uint32_t bytes = static_cast<uint32_t>(count * sizeof(Vec3));
    CountHeapBlock(bytes);
    if (ComputeVertexNormals(body, normals.get())) LightFaceVertices(&body, normals.get());
    UncountHeapBlock(bytes);
  }

  ResourceByteSource& mFile;
  BodyBlock& mBlock;
  int mTextureCoordArena;
  Face** mFaceTable = nullptr;
  bool mNeedsVertexNormals = false;
};

}  // namespace

Body* ReadBody(ResourceByteSource& file, BodyBlock& block, int textureCoordArena) {
  return BodyReader(file, block, textureCoordArena).Read();
}
