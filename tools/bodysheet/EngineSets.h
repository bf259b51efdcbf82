#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

struct ResourceGroup;
struct VertexPool;

// The engine's bitmaps and object sets of a data set, loaded and prepared as the world's
// start does: "PEL3D.BMP" whole, the tiled ground of "TILED1.BMP" as bitmap 20 (a plain
// stand-in when the data set has none), bitmaps 2, 39, 40 and 13 cut into tiles, the
// texture colour table, the body groups with one vertex pool big enough for every body,
// and their texture coordinates scaled to the bitmaps.
class EngineSets {
public:
  // bitmapFolder holds "PEL3D.BMP" (and perhaps "TILED1.BMP"); each set is a path and a
  // group name.
  struct SetFile {
    std::string path;
    std::string group;
  };
  EngineSets(const std::string& bitmapFolder, const std::vector<SetFile>& sets);
  ~EngineSets();
  EngineSets(const EngineSets&) = delete;
  EngineSets& operator=(const EngineSets&) = delete;

  bool Ready() const { return mError.empty(); }
  // What failed, as the world's start would report it.
  const std::string& Error() const { return mError; }
  const ResourceGroup* Bitmaps() const { return mBitmaps; }
  const std::vector<ResourceGroup*>& Groups() const { return mGroups; }
  // The pixel data of the day or night shade table.
  const uint8_t* ShadeTable(bool night) const;

private:
  bool LoadBitmaps(const std::string& folder);
  bool LoadSets(const std::vector<SetFile>& sets);
  bool Fail(const std::string& message);

  std::string mError;
  ResourceGroup* mBitmaps = nullptr;
  std::vector<ResourceGroup*> mGroups;
  VertexPool* mPool = nullptr;
  std::vector<uint8_t> mStandInTiles;
};
