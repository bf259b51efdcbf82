#pragma once
#include <cstdint>

// The byte layout of a body in a resource file's "GEOM" chunk, shared by the body loader,
// the file writer and the inspector. Integers are little-endian; a body is read strictly in
// sequence: header, position, vertices, faces, then (with kBodyFileHasBsp) its BSP tree.

// Header fields (124 bytes; the others are not interpreted).
constexpr uint32_t kBodyVertexCountOffset = 8;  // i16: the vertex count plus one
constexpr uint32_t kBodyFaceCountOffset = 10;  // i16
constexpr uint32_t kBodyFlagsOffset = 12;  // u32
constexpr uint32_t kBodyRadiusOffset = 16;  // i32, 16.16
constexpr uint32_t kBodyIdOffset = 120;  // u32

constexpr uint32_t kBodyFileHasBsp = 0x1;
constexpr uint32_t kBodyFileRecentre = 0x2;

constexpr uint32_t kVertexRecordSize = 12;  // i32 x, y, z

// A face: a 21-byte header, then its vertex count of i16 1-based vertex indices, then as
// many texture-coordinate pairs {i32 u, i32 v}.
constexpr uint32_t kFaceHeaderSize = 21;
constexpr char kFaceTag[] = "FACE";
constexpr uint32_t kFaceVertexCountOffset = 8;  // i16
constexpr uint32_t kFaceFlagsOffset = 10;  // u32
constexpr uint32_t kFaceColourOffset = 14;  // u32
constexpr uint32_t kFaceTypeOffset = 18;  // u8
constexpr uint32_t kFaceTextureLowOffset = 19;  // u8
constexpr uint32_t kFaceTextureHighOffset = 20;  // u8
constexpr uint32_t kFaceIndexSize = 2;
constexpr uint32_t kTexCoordRecordSize = 8;
constexpr uint32_t kFaceCornerSize = kFaceIndexSize + kTexCoordRecordSize;
constexpr int32_t kMaxFaceVertices = 128;
constexpr int32_t kMaxFaceType = 27;

// The BSP tree: a 10-byte header whose bytes 8 and 9 are the i16 node count, then the nodes
// in pre-order. A node is a u16 face number (0-based) and four 32-bit values, followed by
// its first and its second subtree; an empty subtree is the single u16 kBspEmpty.
constexpr uint32_t kBspHeaderSize = 10;
constexpr uint32_t kBspNodeCountOffset = 8;
constexpr uint32_t kBspFaceNumberSize = 2;
constexpr uint32_t kBspValuesSize = 16;
constexpr uint32_t kBspNodeSize = kBspFaceNumberSize + kBspValuesSize;
constexpr uint16_t kBspEmpty = 0xFFFF;

// Which of a group record's seven counts sizes what of the group's memory block.
constexpr int kCountBspNodes = 0;
constexpr int kCountIndices = 1;  // the sum of the faces' vertex counts
constexpr int kCountFaces = 4;
constexpr int kCountVertices = 5;
