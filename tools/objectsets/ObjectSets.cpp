#include "objectsets/ObjectSets.h"

#include <functional>
#include <map>

#include "enginefiles/ResourceFileWriter.h"
#include "game/world/CityTileBodies.h"
#include "game/world/TileCatalogue.h"
#include "imagefiles/GamePalette.h"
#include "objectsets/BuildingBodies.h"
#include "objectsets/DeckBodies.h"
#include "objectsets/SiteBodies.h"
#include "platform/Process.h"

namespace {

constexpr uint32_t kFlipped = 0x8000;

using BodyMaker = std::map<int, std::function<BodyDescription()>>;

BodyDescription SiteOrBuilding(uint32_t bodyId, uint32_t tileId) {
  switch (LookUpTile(tileId).kind) {
    case TileKind::kHelipad:
    case TileKind::kAirBasePad: return PadBody(bodyId);
    case TileKind::kHangarApron: return ApronBody(bodyId);
    case TileKind::kPlaza: return PlazaBody(bodyId, tileId);
    default: return BuildingBody(bodyId, tileId);
  }
}

void AddTileBodies(BodyMaker& makers, uint32_t tileId) {
  const TileInfo info = LookUpTile(tileId);
  const int body = TileBodyId(tileId);
  if (body == kNoBody || makers.count(body)) return;
  const uint32_t id = static_cast<uint32_t>(body);
  switch (info.kind) {
    case TileKind::kRubble: makers[body] = [id, info] { return RubbleBody(id, info.size); }; return;
    case TileKind::kTrees: makers[body] = [id, tileId] { return TreeBody(id, tileId); }; return;
    case TileKind::kHighwayRamp:
      for (int d = kRampNorth; d <= kRampWest; ++d) {
        const auto direction = static_cast<RampDirection>(d);
        const uint32_t rampId = static_cast<uint32_t>(RampBodyId(tileId, direction));
        makers[static_cast<int>(rampId)] = [rampId, tileId, direction] { return RampBody(rampId, tileId, direction); };
      }
      return;
    default: break;
  }
  if (info.raised) {
    makers[body] = [id, tileId] { return DeckBody(id, tileId); };
  } else if (info.kind == TileKind::kBuilding) {
    makers[body] = [id] { return PlainBuildingBody(id, id); };
  } else {
    makers[body] = [id, tileId] { return SiteOrBuilding(id, tileId); };
  }
  const int far = FarBodyId(tileId);
  if (far != kNoBody) {
    const uint32_t farId = static_cast<uint32_t>(far);
    makers[far] = [farId, tileId] { return FarBuildingBody(farId, tileId); };
  }
}

ColourMapBytes PaletteBytes() {
  ColourMapBytes bytes{};
  const GamePaletteColours& palette = GamePalette();
  for (size_t i = 0; i < palette.size(); ++i) {
    bytes[3 * i] = palette[i].red;
    bytes[3 * i + 1] = palette[i].green;
    bytes[3 * i + 2] = palette[i].blue;
  }
  return bytes;
}

}  // namespace

std::vector<BodyDescription> CityBodies() {
  BodyMaker makers;
  for (uint32_t tileId = 0; tileId < 256; ++tileId) {
    AddTileBodies(makers, tileId);
    AddTileBodies(makers, kFlipped + tileId);
  }
  for (int size = 2; size <= 4; ++size) {
    const uint32_t id = static_cast<uint32_t>(LotBodyId(size));
    makers[LotBodyId(size)] = [id, size] { return LotBody(id, size); };
  }
  std::vector<BodyDescription> bodies;
  for (const auto& [id, make] : makers) bodies.push_back(make());
  return bodies;
}

std::vector<BodyDescription> VehicleBodies() { return {}; }

bool WriteObjectSet(const std::string& path, const std::string& group, const std::vector<BodyDescription>& bodies,
                    bool withPalette, std::string& error) {
  ResourceFileWriter writer;
  if (!AddBodyGroup(writer, group, bodies, error)) return false;
  if (withPalette && !writer.AddColourMap(group, PaletteBytes())) {
    error = "cannot add the colour map " + group;
    return false;
  }
  if (writer.Save(platform::ToGamePath(path))) return true;
  error = "cannot write the file";
  return false;
}
