#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "enginefiles/BodyWriter.h"

// Face types the object sets use.
namespace face_type {
inline constexpr uint8_t kTextured = 0;
inline constexpr uint8_t kSprite = 2;
inline constexpr uint8_t kFront = 3;
inline constexpr uint8_t kFence = 4;
inline constexpr uint8_t kEdgeCorrected = 5;
inline constexpr uint8_t kGable = 7;
inline constexpr uint8_t kPerspective = 13;
inline constexpr uint8_t kFlat = 15;
inline constexpr uint8_t kTiledAffine = 16;
inline constexpr uint8_t kTiledPerspective32 = 17;
inline constexpr uint8_t kTiledPerspective16 = 18;
inline constexpr uint8_t kGouraud = 19;
inline constexpr uint8_t kLine = 20;
inline constexpr uint8_t kBlinkingLight = 25;
inline constexpr uint8_t kParticle = 26;
}  // namespace face_type

inline constexpr uint32_t kFaceDrawn = 0x2;
inline constexpr uint32_t kFacePoint = 0x4;
inline constexpr uint32_t kFaceSeeThrough = 0x10;  // texel 0 not drawn
inline constexpr uint32_t kFaceColourInTexture = 0x800;
inline constexpr uint32_t kFaceShadedCorners = 0x4000;
inline constexpr uint32_t kFaceUnsorted = 0x20000;

// A point in whole units (fractions allowed): x east, y up, z north.
struct Point {
  double x = 0;
  double y = 0;
  double z = 0;
};

// How a textured face maps its texture: a texture (or tile) id and one pair of fractions
// of it per corner, in the corners' order.
struct Texturing {
  uint32_t texture = 0;
  std::vector<std::array<double, 2>> coords;
};

// Builds one body around its origin, the centre of its cells on the ground. Faces are
// given with the direction they face; the shape winds them so the engine's normal agrees.
class BodyShape {
public:
  explicit BodyShape(uint32_t id) { mBody.id = id; }

  // A flat face of a plain colour: type 15 carries its colour in the texture field too.
  void Flat(const std::vector<Point>& corners, const Point& outward, uint32_t colour, uint8_t type = face_type::kFlat,
            uint32_t extraFlags = 0);
  // A textured face; colour is what it is drawn in when far.
  void Textured(const std::vector<Point>& corners, const Point& outward, uint32_t colour, uint8_t type,
                const Texturing& texturing, uint32_t extraFlags = 0);
  // A Gouraud-shaded face (type 19).
  void Shaded(const std::vector<Point>& corners, const Point& outward, uint32_t colour);
  // An upright sprite of width x height standing on its foot. The engine draws a sprite from
  // two vertices: its centre, and the centre moved by its half-width and half-height, which
  // it projects into the screen rectangle's half-size.
  void Sprite(const Point& foot, double width, double height, uint32_t texture, uint8_t type, uint32_t flags);
  // A face drawn by one of the game's point routines (lights, particles) at a point.
  void PointFace(const Point& at, uint32_t colour, uint8_t type);
  // A line (type 20) in a colour.
  void Line(const Point& from, const Point& to, uint32_t colour);

  // The box's four walls and, unless roofColour is negative, its flat top.
  void Box(const Point& low, const Point& high, uint32_t wallColour, int32_t roofColour);

  // The body with its radius: the farthest vertex from the origin.
  BodyDescription Finish() const;
  const BodyDescription& Body() const { return mBody; }

private:
  int32_t AddVertex(const Point& p);
  FaceDescription& AddFace(const std::vector<Point>& corners, const Point& outward);

  BodyDescription mBody;
};

// Texture fractions for a tiled face: the tile repeated once per tileUnits along each side.
Texturing TileCoords(uint32_t tileId, const std::vector<Point>& corners, double tileWidth, double tileHeight);
// Whole-texture coordinates for a quad given bottom-left, bottom-right, top-right, top-left.
Texturing QuadCoords(uint32_t texture);
// A texture id naming one tile of a tile set.
constexpr uint32_t TileOf(uint32_t bitmap, uint32_t tile) { return (bitmap << 16) | tile; }
