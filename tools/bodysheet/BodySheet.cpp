#include "bodysheet/BodySheet.h"

#include <algorithm>
#include <cmath>

#include "bodysheet/EngineSets.h"
#include "bodysheet/SheetLabels.h"
#include "enginefiles/ShadeTable.h"
#include "pel3d/bodies/Body.h"
#include "pel3d/bodies/BodyGroup.h"
#include "pel3d/bodies/Lighting.h"
#include "pel3d/draw/CellRecords.h"
#include "pel3d/draw/DrawSettings.h"
#include "pel3d/draw/FrameDraw.h"
#include "pel3d/draw/TerrainGrid.h"
#include "pel3d/math/View.h"

namespace {

constexpr int32_t kGridCells = 13;
constexpr int32_t kCentreCell = kGridCells / 2;
constexpr int32_t kMargin = 2;  // ground cells shown around the body's own
constexpr uint8_t kGrassRamp = 144;
constexpr uint8_t kPavingRamp = 48;
constexpr int32_t kRampLength = 16;
constexpr uint8_t kLabelBackground = 48 + 2;
constexpr uint8_t kLabelInk = 16 + 15;
constexpr int32_t kExtraRows = 32;  // below the view, where no rasteriser should write

Fixedpoint Units(double value) { return static_cast<Fixedpoint>(std::lround(value * 65536.0)); }

struct Extent {
  double half = 0;  // the largest |x| or |z|
  double top = 0;
};

Extent Measure(const Body& body) {
  Extent extent;
  for (int32_t i = 0; i < body.vertexCount; ++i) {
    const Vec3& v = body.vertices[i];
    extent.half = std::max({extent.half, std::abs(v.x / 65536.0), std::abs(v.z / 65536.0)});
    extent.top = std::max(extent.top, v.y / 65536.0);
  }
  return extent;
}

// The side in cells of the ground the body stands on.
int32_t FootprintCells(const Extent& extent) {
  return std::clamp(static_cast<int32_t>(std::ceil(extent.half / 32.0 - 0.01)), 1, 4);
}

struct Direction {
  double x, y, z;
};

Direction Normalised(Direction d) {
  const double length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
  return {d.x / length, d.y / length, d.z / length};
}

Direction Cross(const Direction& a, const Direction& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// A camera south-west of the target and above it, looking at it.
void PlaceCamera(const Direction& target, double distance) {
  const Direction back = Normalised({-0.55, 0.5, -0.65});
  const Direction eye{target.x + back.x * distance, target.y + back.y * distance, target.z + back.z * distance};
  const Direction forward{-back.x, -back.y, -back.z};
  const Direction right = Normalised(Cross({0, 1, 0}, forward));
  const Direction up = Cross(forward, right);
  Matrix camera;
  MatrixIdentity(camera);
  const Direction rows[3] = {right, up, forward};
  for (int row = 0; row < 3; ++row) {
    camera[4 * row + 0] = Units(rows[row].x);
    camera[4 * row + 1] = Units(rows[row].y);
    camera[4 * row + 2] = Units(rows[row].z);
    camera[4 * row + 3] = Units(-(rows[row].x * eye.x + rows[row].y * eye.y + rows[row].z * eye.z));
  }
  SetCamera({Units(eye.x), Units(eye.y), Units(eye.z)}, camera);
}

struct ListedCell {
  int32_t row;
  int32_t column;
  double distance;
  bool own;
};

// The grid cells around the body, far to near from the eye; the body's own are flagged.
std::vector<ListedCell> CellsFarToNear(int32_t footprint, const Direction& eye) {
  const int32_t first = kCentreCell - footprint / 2;
  std::vector<ListedCell> cells;
  const double half = kCentreCell * 64.0;
  const double originX = gGrid.origin.x / 65536.0, originZ = gGrid.origin.z / 65536.0;
  for (int32_t row = first - kMargin; row < first + footprint + kMargin; ++row) {
    for (int32_t column = first - kMargin; column < first + footprint + kMargin; ++column) {
      const double x = originX - half + column * 64.0 + 32.0;
      const double z = originZ + half - row * 64.0 - 32.0;
      const bool own = row >= first && row < first + footprint && column >= first && column < first + footprint;
      cells.push_back({row, column, std::hypot(x - eye.x, z - eye.z), own});
    }
  }
  std::sort(cells.begin(), cells.end(), [](const ListedCell& a, const ListedCell& b) { return a.distance > b.distance; });
  return cells;
}

// The shade of a level floor in a ramp of 16 under the current lights, as the engine lights
// a body's floor: the sheet's ground darkens at night with the bodies.
uint8_t GroundShade(uint8_t ramp) {
  const LightLevels& light = GetLight();
  constexpr Fixedpoint kHalf = kFixedOne / 2;  // both lights meet a floor at half strength
  const Fixedpoint level = FixMul(kHalf, light.first) + FixMul(kHalf, light.second) + light.ambient;
  const int32_t shade = std::min(kRampLength - 2, static_cast<int32_t>((static_cast<int64_t>(level) * kRampLength) >> 16));
  return static_cast<uint8_t>(ramp + shade);
}

void SetDrawState(bool night) {
  const Fixedpoint far = Units(5000);
  SetFarClip(far);
  SetFogThreshold(Units(4000));
  SetFlatThreshold(Units(4000));
  SetFogRange(far + Units(1) - Units(4000));
  SetObjectTextures(1);
  SetTerrainTextures(0);
  const LightLevels& light = night ? kNightLight : kDayLight;
  SetLight(light.ambient, light.first, light.second, light.vertical);
}

void WriteLabel(BodySheet& sheet, int32_t left, int32_t top, uint32_t id) {
  for (int32_t y = 0; y < kSheetLabelHeight; ++y)
    for (int32_t x = 0; x < kSheetViewWidth; ++x) sheet.pixels[static_cast<size_t>((top + y) * sheet.width + left + x)] = kLabelBackground;
  DrawNumber(sheet.pixels.data(), sheet.width, left + 4, top + 3, id, kLabelInk);
}

}  // namespace

std::vector<uint8_t> DrawBodyView(Body& body, bool night) {
  std::vector<uint8_t> frame(static_cast<size_t>(kSheetViewWidth) * (kSheetViewHeight + kExtraRows));
  RenderSurface surface{0, 0, kSheetViewWidth, kSheetViewHeight, 0, kSheetViewWidth, kSheetViewHeight + kExtraRows};
  SetRenderSurface(surface);
  SetFrameBuffer(frame.data());
  SetClearColour(night ? 0x31313131u : 0x3A3A3A3Au);
  std::fill(frame.begin(), frame.end(), static_cast<uint8_t>(night ? kNightFogColour : kDayFogColour));
  SetDrawState(night);
  LightBodyFaces(&body);

  const Extent extent = Measure(body);
  const int32_t footprint = FootprintCells(extent);
  // The body's cells are centred on its origin: an odd side puts the origin in a cell's middle.
  GridInit(kGridCells);
  gGrid.origin = footprint % 2 ? Vec3{Units(-32), 0, Units(32)} : Vec3{};
  for (int32_t i = 0; i < gGrid.corners; ++i) gGrid.positions[i].y = 0;

  const double radius = std::max({extent.half, extent.top, 3.0});
  const Direction target{0, extent.top * 0.4, 0};
  const double distance = radius * 2.6 + 4;
  PlaceCamera(target, distance);
  const Direction back = Normalised({-0.55, 0.5, -0.65});
  const Direction eye{target.x + back.x * distance, target.y + back.y * distance, target.z + back.z * distance};

  StaticEntry entry{nullptr, &body};
  DrawCell record;
  record.staticObjects = &entry;
  gGrid.cellCount = 0;
  gGrid.groundCount = 0;
  for (const ListedCell& cell : CellsFarToNear(footprint, eye)) {
    GroundTriangle* pair = gGrid.cellTriangles[static_cast<size_t>(cell.row * kGridMaxCells + cell.column)];
    const uint8_t colour = GroundShade(cell.own ? kPavingRamp : kGrassRamp);
    pair[0].word = colour;
    pair[1].word = colour + 1u;
    gGrid.cellList[gGrid.cellCount++] = cell.own ? &record : nullptr;
    gGrid.groundList[gGrid.groundCount++] = pair;
    gGrid.groundList[gGrid.groundCount++] = pair + 1;
    if (cell.own) ++record.drawCountdown;
  }
  GridViewSetup();
  DrawView();
  frame.resize(static_cast<size_t>(kSheetViewWidth) * kSheetViewHeight);
  return frame;
}

BodySheet DrawBodySheet(const ResourceGroup& group, const EngineSets& sets, bool night) {
  SetShadeTable(sets.ShadeTable(night), kShadeTableRows);
  const int32_t count = GetGroupBodyCount(&group);
  const int32_t columns = std::max(1, std::min(count, kSheetColumns));
  const int32_t rows = std::max(1, (count + columns - 1) / columns);
  const int32_t cellHeight = kSheetViewHeight + kSheetLabelHeight;
  BodySheet sheet{columns * kSheetViewWidth, rows * cellHeight, {}};
  sheet.pixels.assign(static_cast<size_t>(sheet.width) * sheet.height, kLabelBackground);
  for (int32_t i = 0; i < count; ++i) {
    Body* body = GetGroupBody(&group, i);
    const int32_t left = (i % columns) * kSheetViewWidth, top = (i / columns) * cellHeight;
    const std::vector<uint8_t> view = DrawBodyView(*body, night);
    for (int32_t y = 0; y < kSheetViewHeight; ++y) {
      std::copy_n(view.begin() + static_cast<ptrdiff_t>(y) * kSheetViewWidth, kSheetViewWidth,
                  sheet.pixels.begin() + static_cast<ptrdiff_t>((top + y) * sheet.width + left));
    }
    WriteLabel(sheet, left, top + kSheetViewHeight, body->id);
  }
  return sheet;
}
