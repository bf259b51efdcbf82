#pragma once
#include <cstdint>
#include <deque>
#include <vector>

#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/bodies/FacePlane.h"
#include "pel3d/draw/PreDrawHooks.h"
#include "pel3d/bodies/VertexPool.h"

// Removes every registered body, so each test starts with an empty registry.
inline void ClearBodyRegistry() {
  while (Body* body = GetRegisteredBody(0)) RemoveBody(body);
}

// A body with its vertices, faces, index lists and texture coordinates in storage that
// lives as long as the builder.
class BodyBuilder {
public:
  explicit BodyBuilder(uint32_t id = 0) { mBody.id = id; }

  // Adds a face over the given vertex indices; its texture coordinates are (10 i, 20 i) for
  // corner i plus the face number.
  Face& AddFace(const std::vector<uint32_t>& indices) {
    const int32_t number = static_cast<int32_t>(mFaces.size());
    mIndices.push_back(indices);
    std::vector<TexCoord>& coords = mCoords.emplace_back();
    for (size_t i = 0; i < indices.size(); ++i) {
      coords.push_back({static_cast<Fixedpoint>(10 * i + number), static_cast<Fixedpoint>(20 * i)});
    }
    Face& face = mFaces.emplace_back();
    face.vertexCount = static_cast<int32_t>(indices.size());
    face.colour = 100 + number;
    face.type = number;
    face.indices = mIndices.back().data();
    face.texCoords = coords.data();
    face.textureId = 7;
    if (mFaces.size() > 1) mFaces[mFaces.size() - 2].next = &face;
    mBody.faces = &mFaces.front();
    mBody.faceCount = static_cast<int32_t>(mFaces.size());
    mBody.indexCount += face.vertexCount;
    return face;
  }

  void SetVertices(const std::vector<Vec3>& vertices) {
    mVertices = vertices;
    mBody.vertices = mVertices.data();
    mBody.vertexCount = static_cast<int32_t>(mVertices.size());
  }

  // Gives every face a plane through its vertices and its orientation class.
  void ComputePlanes() {
    for (Face& face : mFaces) {
      face.plane = &mPlanes.emplace_back();
      ComputeFacePlane(mBody, face);
    }
  }

  Face& FaceAt(size_t index) { return mFaces.at(index); }

  Body* get() { return &mBody; }
  Body* operator->() { return &mBody; }

private:
  Body mBody;
  std::vector<Vec3> mVertices;
  std::deque<Face> mFaces;
  std::deque<std::vector<uint32_t>> mIndices;
  std::deque<std::vector<TexCoord>> mCoords;
  std::deque<Plane> mPlanes;
};
