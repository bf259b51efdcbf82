#include "citymap/CellMapImage.h"

#include <algorithm>
#include <ostream>
#include <sstream>

#include "game/world/BuildOMAP.h"
#include "game/world/CellMap.h"
#include "game/world/CitySites.h"
#include "game/world/TerrainMaps.h"

namespace {

// Ramps and static colours of the data set's palette (imagefiles/GamePalette.h).
constexpr int kWaterDeepest = 10;
constexpr int kGreenDark = 146;
constexpr int kGreenSteps = 12;
constexpr uint8_t kBeach = 70;
constexpr uint8_t kUnderDeck = 248;
constexpr uint8_t kOutline = 0;
constexpr uint8_t kStartMark = 249, kHelipadMark = 254, kAirBasePadMark = 253;

uint8_t CellColour(int x, int y) {
  uint8_t kind = TerrainKind(x, y);
  if (kind == kKindUnderRaisedPiece) return kUnderDeck;
  if (kind <= kKindWaterLast) return static_cast<uint8_t>(kWaterDeepest + kKindWaterLast - kind);
  if (kind == kKindBeach) return kBeach;
  const cell_info* cell = CellOfTile(x, y);
  int altitude = cell ? std::max(0, (cell->originY - 32) / 32) : 0;
  return static_cast<uint8_t>(kGreenDark + std::min(altitude, kGreenSteps));
}

// Whether the pixel (px, py) of the cell lies on the outline of a record larger than a cell:
// its west or north pixel where the neighbour that way belongs to another record.
bool OnOutline(int x, int y, int px, int py) {
  const cell_info* cell = CellOfTile(x, y);
  if (!cell || cell->size <= 1) return false;
  return (px == 0 && CellOfTile(x - 1, y) != cell) || (py == 0 && CellOfTile(x, y - 1) != cell);
}

void Mark(std::vector<uint8_t>& pixels, const TileSite& site, uint8_t colour) {
  if (site.x < 0) return;
  for (int py = 0; py < kCellMapCellPixels; ++py) {
    for (int px = 0; px < kCellMapCellPixels; ++px) {
      pixels[static_cast<size_t>(site.y * kCellMapCellPixels + py) * kCellMapPixels + site.x * kCellMapCellPixels + px] =
          colour;
    }
  }
}

std::ostream& operator<<(std::ostream& out, const TileSite& site) {
  if (site.x < 0) return out << "none";
  return out << '(' << site.x << ", " << site.y << ')';
}

}  // namespace

std::vector<uint8_t> DrawCellMap() {
  std::vector<uint8_t> pixels(static_cast<size_t>(kCellMapPixels) * kCellMapPixels);
  for (int py = 0; py < kCellMapPixels; ++py) {
    for (int px = 0; px < kCellMapPixels; ++px) {
      int x = px / kCellMapCellPixels, y = py / kCellMapCellPixels;
      bool outline = OnOutline(x, y, px % kCellMapCellPixels, py % kCellMapCellPixels);
      pixels[static_cast<size_t>(py) * kCellMapPixels + px] = outline ? kOutline : CellColour(x, y);
    }
  }
  for (const TileSite& pad : gCitySites.helipads) Mark(pixels, pad, kHelipadMark);
  Mark(pixels, gCitySites.airBasePad, kAirBasePadMark);
  Mark(pixels, gCitySites.start, kStartMark);
  return pixels;
}

std::string DescribeCellMap() {
  std::ostringstream text;
  text << "cell records:";
  for (int size : {1, 2, 3, 4, 16}) text << "  size " << size << ": " << gOmapCounts.records[size];
  text << "\nstatic objects: " << gOmapCounts.nodes << "  bodies missing: " << gOmapCounts.missingBodies
       << "\nnull entries: " << gOmapCounts.nullEntries << "\nstart site: " << gCitySites.start
       << "\n119 pad: " << gCitySites.airBasePad << "\nhelipads:";
  if (gCitySites.helipads.empty()) text << " none";
  for (const TileSite& pad : gCitySites.helipads) text << ' ' << pad;
  text << '\n';
  return text.str();
}
