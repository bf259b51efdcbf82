#include "support/FaceTypeGallery.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "enginefiles/BitmapFileWriter.h"
#include "enginefiles/BodyWriter.h"
#include "enginefiles/ResourceFileWriter.h"
#include "enginefiles/ShadeTable.h"
#include "imagefiles/GamePalette.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/Lighting.h"
#include "pel3d/bodies/ScreenVertex.h"
#include "pel3d/bodies/TexCoordScaling.h"
#include "pel3d/bodies/VertexPool.h"
#include "pel3d/draw/DrawBlock.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/FrameDraw.h"
#include "pel3d/draw/RasterRoutines.h"
#include "pel3d/draw/TerrainGrid.h"
#include "pel3d/files/Bitmap.h"
#include "pel3d/files/BitmapTable.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/files/ResourceGroupLoader.h"
#include "pel3d/math/View.h"
#include "pel3d/raster/LineFills.h"
#include "support/CityColumnsAndSprites.h"
#include "support/CityFurniture.h"
#include "support/TestCityGround.h"

namespace {

// Bitmaps of the gallery's group. The city's tiled textures (42 to 45) and the
// furniture's remap tables (51 to 53) stand where the city's group has them.
constexpr uint32_t kCheckerBitmap = 0;
constexpr uint32_t kBrickColumnsBitmap = 2;
constexpr uint32_t kFenceColumnsBitmap = 3;
constexpr uint32_t kTreeBitmap = 4;
constexpr uint32_t kGlowBitmap = 5;
constexpr uint32_t kFacadeTiles = 43;  // tiles of 64
constexpr uint32_t kPoolTable = 52;  // three shades lighter

constexpr uint32_t kDrawn = 0x2;
constexpr uint32_t kPoint = 0x4;
constexpr uint32_t kTranslucent = 0x1;
constexpr uint32_t kSeeThrough = 0x10;
constexpr uint32_t kColourInTexture = 0x800;
constexpr uint32_t kShadedCorners = 0x4000;
constexpr uint32_t kLine = 0x8000;

constexpr int32_t kGridSide = 17;
constexpr double kCellUnits = 64;
constexpr double kEyeHeight = 45;
constexpr double kEyeZ = -300;
constexpr double kViewDistance = 720;
constexpr double kHalfViewWidth = 0.6;  // the view's half-width at a depth, over the depth

// A row of boards: the grid row it stands in, the boards' width and height, and their
// face types from left to right.
struct BoardRow {
  int32_t gridRow;
  double width;
  double height;
  std::vector<int32_t> types;
};

// Near to far: the near band holds the perspective-corrected and wall types, the middle
// and far bands the rest, the last row lies in the fog.
const std::array<BoardRow, 5> kRows{{
    {10, 20, 17, {13, 17, 18, 3, 4}},
    {9, 24, 20, {11, 7, 8, 19, 1, 2}},
    {7, 34, 28, {0, 5, 6, 9, 10, 14, 24}},
    {5, 40, 34, {15, 16, 20, 21, 22, 23, 25, 26, 27}},
    {2, 70, 56, {0, 2, 15, 16, 19}},
}};

Fixedpoint Units(double value) { return static_cast<Fixedpoint>(std::lround(value * kFixedOne)); }

int32_t ToFraction(double value) { return static_cast<int32_t>(std::lround(value * 65536.0)); }

// The centre z of a grid row, the grid laid out around the world's origin.
double RowCentreZ(int32_t gridRow) { return (kGridSide / 2) * kCellUnits - gridRow * kCellUnits - kCellUnits / 2; }

// A checked texture with a hole of texel 0 in every fourth check.
std::vector<uint8_t> CheckerPixels() {
  std::vector<uint8_t> pixels(64 * 64);
  for (uint32_t y = 0; y < 64; ++y) {
    for (uint32_t x = 0; x < 64; ++x) {
      const uint32_t check = x / 8 + y / 8;
      uint8_t texel = check % 2 ? 88 : 30;
      if (check % 4 == 1 && x % 8 >= 2 && x % 8 < 6 && y % 8 >= 2 && y % 8 < 6) texel = 0;
      if (x == 0 || y == 0 || x == 63 || y == 63) texel = 104;
      pixels[y * 64 + x] = texel;
    }
  }
  return pixels;
}

// Stored a wall column to a row (row r is the wall's column r): bricks with windows.
std::vector<uint8_t> BrickColumnPixels() {
  std::vector<uint8_t> pixels(32 * 32);
  for (uint32_t r = 0; r < 32; ++r) {
    for (uint32_t v = 0; v < 32; ++v) {
      const bool window = r % 8 >= 2 && r % 8 < 6 && v % 16 >= 4 && v % 16 < 11;
      pixels[r * 32 + v] = static_cast<uint8_t>(window ? 85 : (v % 4 == 3 ? 108 : 100 + (r + v) % 3));
    }
  }
  return pixels;
}

// Stored as the brick wall: posts and two rails, open (texel 0) between them.
std::vector<uint8_t> FenceColumnPixels() {
  std::vector<uint8_t> pixels(32 * 32, 0);
  for (uint32_t r = 0; r < 32; ++r) {
    for (uint32_t v = 0; v < 32; ++v) {
      if (r % 8 < 2) pixels[r * 32 + v] = 118;
      else if ((v >= 6 && v < 10) || (v >= 22 && v < 26)) pixels[r * 32 + v] = 122;
    }
  }
  return pixels;
}

// A round crown over a trunk on texel 0.
std::vector<uint8_t> TreePixels() {
  std::vector<uint8_t> pixels(32 * 32, 0);
  for (int32_t y = 0; y < 32; ++y) {
    for (int32_t x = 0; x < 32; ++x) {
      const double dx = (x - 15.5) / 13.0, dy = (y - 12.0) / 12.0;
      uint8_t& p = pixels[static_cast<std::size_t>(y * 32 + x)];
      if (dx * dx + dy * dy <= 1.0) p = static_cast<uint8_t>(208 + 6 + (x * 7 + y * 3) % 4 + (dx < 0 ? 4 : 0));
      else if (y >= 22 && x >= 14 && x < 18) p = 114;
    }
  }
  return pixels;
}

bool AddGalleryBitmaps(BitmapFileWriter& bitmaps) {
  bool written = bitmaps.AddBitmap(64, 64, CheckerPixels()) &&
                 bitmaps.AddBitmap(kShadeTableWidth, kShadeTableRows, MakeShadeTable(GamePalette(), kDayFogColour)) &&
                 bitmaps.AddBitmap(32, 32, BrickColumnPixels()) && bitmaps.AddBitmap(32, 32, FenceColumnPixels()) &&
                 bitmaps.AddBitmap(32, 32, TreePixels()) && bitmaps.AddBitmap(16, 16, GlowPixels());
  while (written && bitmaps.Count() < kNightShadeBitmap) written = bitmaps.AddBitmap(1, 1, {0});
  return written &&
         bitmaps.AddBitmap(kShadeTableWidth, kShadeTableRows, MakeShadeTable(GamePalette(), kNightFogColour)) &&
         AddCityTiledBitmaps(bitmaps) && AddFurnitureBitmaps(bitmaps);
}

// Builds one board's body in world units.
class BoardBuilder {
public:
  BoardBuilder(uint32_t id, double x, double z, double width, double height)
      : mX(x), mZ(z), mWidth(width), mHeight(height) {
    mBody.id = id;
    mBody.radius = Units(std::max(width, height) * 2);
  }

  // The board's upright face toward the camera (the engine shows a face to the eye its
  // normal points away from), its corners bottom left, top left, top right and bottom
  // right; the texture across it repeated the given times.
  FaceDescription& Front(uint8_t type, uint32_t colour, uint32_t texture, double repeats = 1) {
    const double x0 = mX - mWidth / 2, x1 = mX + mWidth / 2;
    FaceDescription& face = Face({Vertex(x0, 0, mZ), Vertex(x0, mHeight, mZ), Vertex(x1, mHeight, mZ), Vertex(x1, 0, mZ)},
                                 type, colour, texture);
    face.texCoords = {{0, ToFraction(repeats)}, {0, 0}, {ToFraction(repeats), 0}, {ToFraction(repeats), ToFraction(repeats)}};
    return face;
  }

  // A gable: a triangle with its apex over the board's middle.
  FaceDescription& Gable(uint8_t type, uint32_t texture) {
    const double x0 = mX - mWidth / 2, x1 = mX + mWidth / 2;
    FaceDescription& face = Face({Vertex(x0, 0, mZ), Vertex(mX, mHeight, mZ), Vertex(x1, 0, mZ)}, type, 0, texture);
    face.colour = 104;
    face.texCoords = {{0, ToFraction(1)}, {ToFraction(0.5), 0}, {ToFraction(1), ToFraction(1)}};
    return face;
  }

  // A four-sided pyramid of vertex-shaded faces.
  void Pyramid(uint32_t colour) {
    const double h = mWidth / 2;
    const std::array<int32_t, 4> base{Vertex(mX - h, 0, mZ - h), Vertex(mX + h, 0, mZ - h), Vertex(mX + h, 0, mZ + h),
                                      Vertex(mX - h, 0, mZ + h)};
    const int32_t apex = Vertex(mX, mHeight, mZ);
    for (std::size_t i = 0; i < base.size(); ++i) {
      mBody.faces.push_back(GouraudFace({base[i], apex, base[(i + 1) % 4]}, colour, 19));
      mBody.faces.back().texCoords.resize(3);
    }
  }

  // A sprite as wide and as high as the board, standing on the ground.
  void Sprite(uint8_t type, uint32_t texture, uint32_t flags) {
    FaceDescription face =
        SpriteFace({Vertex(mX, mHeight / 2, mZ), Vertex(mX + mWidth / 2, mHeight, mZ)}, 0, type);
    face.flags |= flags;
    face.texture = texture;
    face.texCoords = {{0, 0}, {ToFraction(1), ToFraction(1)}};
    mBody.faces.push_back(face);
  }

  // A face of one vertex in the board's middle, its colour in its texture field.
  void Point(uint8_t type, uint32_t colour) {
    FaceDescription face = SpriteFace({Vertex(mX, mHeight / 2, mZ)}, colour, type);
    face.flags |= kColourInTexture;
    face.texture = colour;
    mBody.faces.push_back(face);
  }

  // A line of the type from one point of the board's plane to another, in fractions of
  // its width and height.
  void Line(uint8_t type, uint32_t word, double fromX, double fromY, double toX, double toY) {
    FaceDescription line;
    line.corners = {Vertex(mX + (fromX - 0.5) * mWidth, fromY * mHeight, mZ), Vertex(mX + (toX - 0.5) * mWidth, toY * mHeight, mZ)};
    line.flags = kDrawn | kLine | kColourInTexture;
    line.type = type;
    line.colour = word;
    line.texture = word;
    mBody.faces.push_back(line);
  }

  BodyDescription Finish() const { return mBody; }

private:
  int32_t Vertex(double x, double y, double z) {
    mBody.vertices.push_back({Units(x), Units(y), Units(z)});
    return static_cast<int32_t>(mBody.vertices.size() - 1);
  }

  FaceDescription& Face(std::vector<int32_t> corners, uint8_t type, uint32_t colour, uint32_t texture) {
    FaceDescription& face = mBody.faces.emplace_back();
    face.corners = std::move(corners);
    face.type = type;
    face.colour = colour;
    face.texture = texture;
    return face;
  }

  double mX, mZ, mWidth, mHeight;
  BodyDescription mBody;
};

// The board that shows a face type: each with the texture its routine reads.
BodyDescription Board(int32_t type, uint32_t id, double x, double z, double width, double height) {
  BoardBuilder board(id, x, z, width, height);
  const auto t = static_cast<uint8_t>(type);
  switch (type) {
    case 1: board.Sprite(t, kTreeBitmap, 0); break;  // opaque: texel 0 drawn black
    case 2: board.Sprite(t, z > 300 ? kTreeBitmap : kGlowBitmap, z > 300 ? kSeeThrough : kTranslucent); break;
    case 24: board.Sprite(t, kTreeBitmap, kSeeThrough); break;
    case 3: board.Front(t, 104, kBrickColumnsBitmap); break;
    case 4: board.Front(t, 118, kFenceColumnsBitmap); break;
    case 7:
    case 8: board.Gable(t, kBrickColumnsBitmap); break;
    case 11: board.Front(t, 0, kPoolTable); break;  // a pane that lightens what lies behind it
    case 15: board.Front(t, 136, 136).flags |= kColourInTexture; break;
    case 16:
    case 17:
    case 18: board.Front(t, 88, MakeTileId(kFacadeTiles, static_cast<uint32_t>(type) - 12), 2); break;
    case 19: board.Pyramid(168); break;
    case 20:
      board.Line(t, 36, 0.1, 0, 0.5, 1);
      board.Line(t, 36, 0.5, 1, 0.9, 0);
      board.Line(t, 36, 0.25, 0.4, 0.75, 0.4);
      break;
    case 21:
    case 22: board.Front(t, type == 21 ? 150 : 230, 0); break;
    case 23:
    case 25:
    case 26: board.Point(t, type == 23 ? 31 : type == 25 ? 249 : 250); break;
    case 27:
      for (double x = 0.2; x < 0.9; x += 0.2) board.Line(t, 0, x, 0, x, 1);
      break;
    default:  // the textured types: 0, 5, 6, 9, 10, 13 and 14; 6 and 10 see-through
      board.Front(t, 88, kCheckerBitmap).flags |= (type == 6 || type == 10) ? kSeeThrough : 0;
      break;
  }
  return board.Finish();
}

// The stand-in of the game's routines: a 5 x 5 square at each corner, clipped to the view.
void MarkCorners(const DrawBlock& block) {
  if (!block.face || !block.vertices) return;
  uint8_t* pixels = GetFrameBuffer();
  const int32_t count = (block.face->flags & kFaceSprite) ? 1 : block.vertexCount;
  const auto colour = static_cast<uint8_t>(block.face->colour);
  for (int32_t i = 0; i < count; ++i) {
    const int32_t cx = block.vertices[i].x >> 12, cy = block.vertices[i].y >> 12;
    for (int32_t y = std::max(cy - 2, gView.clip.top >> 12); y <= std::min(cy + 2, (gView.clip.bottom >> 12) - 1); ++y) {
      for (int32_t x = std::max(cx - 2, gView.clip.left >> 12); x <= std::min(cx + 2, (gView.clip.right >> 12) - 1); ++x) {
        pixels[gView.rowOffsets[static_cast<std::size_t>(y)] + x] = colour;
      }
    }
  }
}

}  // namespace

void BindGameRoutineMarks() {
  BindGameFaceRoutines({MarkCorners, MarkCorners, MarkCorners, MarkCorners, MarkCorners});
}

FaceTypeGallery::FaceTypeGallery(const std::string& folder) { mReady = Build(folder); }

FaceTypeGallery::~FaceTypeGallery() {
  if (mBodies) FreeResourceGroup(mBodies);
  if (mBitmaps) FreeResourceGroup(mBitmaps);
  if (mPool) DestroyVertexPool(mPool);
}

bool FaceTypeGallery::Build(const std::string& folder) {
  std::vector<BodyDescription> bodies;
  for (const BoardRow& row : kRows) {
    const double z = RowCentreZ(row.gridRow);
    const double spacing = (z - kEyeZ) * 1.05 / static_cast<double>(row.types.size());
    for (std::size_t i = 0; i < row.types.size(); ++i) {
      const double x = (static_cast<double>(i) - static_cast<double>(row.types.size() - 1) / 2) * spacing;
      bodies.push_back(Board(row.types[i], static_cast<uint32_t>(bodies.size() + 1), x, z, row.width, row.height));
      mBoardTypes.push_back(row.types[i]);
    }
  }
  ResourceFileWriter resources;
  BitmapFileWriter bitmaps;
  const std::string bodyPath = folder + "/GALLERY.ZEF";
  const std::string bitmapPath = folder + "/GALLERY.BMP";
  const std::string parkPath = folder + "/PARK.BMP";
  if (!AddBodyGroup(resources, "GALLERY", bodies, mError) || !resources.Save(bodyPath) || !AddGalleryBitmaps(bitmaps) ||
      !bitmaps.Save(bitmapPath) || !WriteParkTexture(parkPath)) {
    if (mError.empty()) mError = "the gallery's files cannot be written";
    return false;
  }
  mBitmaps = LoadResourceGroup(bitmapPath, kGroupBitmaps);
  mBodies = LoadResourceGroup(bodyPath, kGroupBodies, "GALLERY");
  if (!mBitmaps || !mBodies || !SetUpCityTiles(mBitmaps, parkPath) || !ScaleBodyTexCoords(mBodies, mBitmaps)) {
    mError = "the gallery's files do not load";
    return false;
  }
  std::size_t transformed = 0, projected = 0;
  for (int32_t i = 0; i < mBodies->count; ++i) {
    transformed = std::max(transformed, GetTransformedBytes(mBodies->bodies[i]));
    projected += GetProjectedBytes(mBodies->bodies[i]);
  }
  mPool = CreateVertexPool(transformed, 4 * projected);
  if (!mPool) {
    mError = "no vertex pool";
    return false;
  }
  for (int32_t i = 0; i < mBodies->count; ++i) AttachVertexPool(mBodies->bodies[i], mPool);
  PlaceBoards();
  return true;
}

// One record per row of boards, listed in every cell of its grid row: the row's boards
// are drawn after the row's ground, so no ground beside a board is drawn over it.
void FaceTypeGallery::PlaceBoards() {
  mCells.assign(static_cast<std::size_t>(kGridSide), DrawCell{});
  int32_t body = 0;
  for (const BoardRow& row : kRows) {
    DrawCell& record = mCells[static_cast<std::size_t>(row.gridRow)];
    StaticEntry* last = nullptr;
    for (std::size_t i = 0; i < row.types.size(); ++i) {
      StaticEntry& entry = mEntries.emplace_back();
      entry.body = mBodies->bodies[body++];
      if (last) last->next = &entry;
      else record.staticObjects = &entry;
      last = &entry;
    }
  }
}

void FaceTypeGallery::SetView() const {
  ResetLinePhase();
  GridInit(kGridSide);
  const Fixedpoint distance = Units(kViewDistance);
  const Fixedpoint fogThreshold = distance - distance / 100 * 15;
  SetFarClip(distance);
  SetFogThreshold(fogThreshold);
  SetFlatThreshold(distance);  // no face turns flat: the fog row shows the fogged textures
  SetFogRange(distance + Units(1) - fogThreshold);
  const Bitmap* shade = GetBitmapRecord(mBitmaps, kDayShadeBitmap);
  SetShadeTable(shade->pixels, kShadeTableRows);
  SetTranslucencyTable(shade->pixels, kShadeTableRows);
  int32_t remapTables = 0;
  const uint8_t* remapBlock = RemapTablesOf(mBitmaps, remapTables);
  SetRemapTables(remapBlock, remapTables);
  SetObjectTextures(1);
  SetTerrainTextures(1);
  SetLight(kDayLight.ambient, kDayLight.first, kDayLight.second, kDayLight.vertical);
  for (int32_t i = 0; i < mBodies->count; ++i) LightBodyFaces(mBodies->bodies[i]);
  SetClearColour(0x3A3A3A3Au);
  const Vec3 eye{0, Units(kEyeHeight), Units(kEyeZ)};
  Matrix camera;
  MatrixIdentity(camera);
  for (int axis = 0; axis < 3; ++axis) camera[4 * axis + 3] = -eye[axis];
  SetCamera(eye, camera);
}

// The cells of the grid rows ahead of the eye within the view's width, far to near; a
// row's board record in each of its cells, counted down to the last.
void FaceTypeGallery::ListCells() {
  gGrid.origin = {};
  gGrid.cellCount = 0;
  gGrid.groundCount = 0;
  const double gridTop = (kGridSide / 2) * kCellUnits;
  const int32_t eyeRow = static_cast<int32_t>((gridTop - kEyeZ) / kCellUnits);
  for (int32_t row = 0; row <= eyeRow; ++row) {
    const double farEdge = gridTop - row * kCellUnits - kEyeZ;
    if (farEdge - kCellUnits >= kViewDistance) continue;
    DrawCell* record = mCells[static_cast<std::size_t>(row)].staticObjects ? &mCells[static_cast<std::size_t>(row)] : nullptr;
    if (record) record->drawCountdown = 0;
    for (int32_t column = 0; column < kGridSide; ++column) {
      const double centreX = (column - kGridSide / 2) * kCellUnits;
      if (std::abs(centreX) - kCellUnits / 2 > kHalfViewWidth * farEdge + kCellUnits) continue;
      if (gGrid.cellCount >= gGrid.cellListCapacity) return;
      if (record) ++record->drawCountdown;
      GroundTriangle* pair = gGrid.cellTriangles[static_cast<std::size_t>(row * kGridMaxCells + column)];
      const bool street = column == kGridSide / 2;
      const GroundKind kind = street ? GroundKind::kStreetAlongZ : (row + column) % 5 == 0 ? GroundKind::kPark : GroundKind::kPaving;
      pair[0].word = street ? 50 : 196;
      pair[1].word = pair[0].word + 1;
      pair[0].tile = pair[1].tile = CityGroundTile(mBitmaps, kind, static_cast<uint32_t>(row * 3 + column));
      gGrid.cellList[gGrid.cellCount++] = record;
      gGrid.groundList[gGrid.groundCount++] = pair;
      gGrid.groundList[gGrid.groundCount++] = pair + 1;
    }
  }
  for (int32_t i = 0; i < gGrid.corners; ++i) gGrid.positions[i].y = 0;
}

void FaceTypeGallery::DrawFrame() {
  ListCells();
  GridViewSetup();
  DrawView();
}
