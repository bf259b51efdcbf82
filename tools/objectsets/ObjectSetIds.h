#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// Who owns which body ids of the three object sets and which bitmaps of "PEL3D.BMP". A
// generator that makes a body or a bitmap lists it here first; two rows that claim one id
// or one slot stop the build.

enum class ObjectSet : uint8_t { kCity = 1, kVehicles = 2, kEffects = 3 };

struct BodyIdRange {
  uint32_t first;
  uint32_t last;
  ObjectSet set;
  const char* what;
};

inline constexpr std::array kBodyIdRanges{
    BodyIdRange{0, 92, ObjectSet::kCity, "rubble, trees, raised pieces and paved lots"},
    BodyIdRange{100, 107, ObjectSet::kEffects, "debris chunks"},
    BodyIdRange{124, 124, ObjectSet::kEffects, "laser beam"},
    BodyIdRange{174, 174, ObjectSet::kEffects, "missile"},
    BodyIdRange{200, 282, ObjectSet::kCity, "buildings, their far bodies and the plain buildings"},
    BodyIdRange{288, 288, ObjectSet::kEffects, "flame"},
    BodyIdRange{327, 327, ObjectSet::kEffects, "tear-gas grenade"},
};

// The debris bodies the effects throw, in order.
inline constexpr uint32_t kFirstDebrisBody = 100;
inline constexpr uint32_t kDebrisBodyCount = 8;
inline constexpr uint32_t kLaserBody = 124;
inline constexpr uint32_t kMissileBody = 174;
inline constexpr uint32_t kFlameBody = 288;
inline constexpr uint32_t kTearGasBody = 327;

struct BitmapSlot {
  uint32_t first;
  uint32_t last;
  const char* what;
};

// Slots of "PEL3D.BMP". Slots no row names hold a 1 x 1 bitmap, so the file's indices stay
// those of the table.
inline constexpr std::array kBitmapSlots{
    BitmapSlot{1, 1, "day shade table (also the translucency table)"},
    BitmapSlot{2, 2, "houses' and apartments' facade tiles"},
    BitmapSlot{3, 3, "house fronts"},
    BitmapSlot{4, 5, "faces"},
    BitmapSlot{6, 8, "tree kinds"},
    BitmapSlot{9, 9, "shop signs"},
    BitmapSlot{10, 10, "helipad \"H\""},
    BitmapSlot{11, 11, "flame"},
    BitmapSlot{12, 12, "fire-station board"},
    BitmapSlot{13, 13, "shops', offices' and towers' facade tiles"},
    BitmapSlot{14, 14, "fences"},
    BitmapSlot{20, 20, "tiled ground (its own file replaces it)"},
    BitmapSlot{39, 39, "workshops' and factories' facade tiles"},
    BitmapSlot{40, 40, "public buildings' facade tiles"},
    BitmapSlot{41, 41, "night shade table"},
    BitmapSlot{44, 49, "faces"},
    BitmapSlot{51, 51, "remap rows"},
    BitmapSlot{52, 63, "particles of kinds 0-11"},
    BitmapSlot{65, 67, "faces"},
};

namespace object_set_ids {

template <typename Range, std::size_t N>
constexpr bool RangesApart(const std::array<Range, N>& ranges) {
  for (std::size_t i = 0; i < N; ++i) {
    if (ranges[i].first > ranges[i].last) return false;
    for (std::size_t j = i + 1; j < N; ++j) {
      if (ranges[i].first <= ranges[j].last && ranges[j].first <= ranges[i].last) return false;
    }
  }
  return true;
}

}  // namespace object_set_ids

static_assert(object_set_ids::RangesApart(kBodyIdRanges), "two object-set rows claim one body id");
static_assert(object_set_ids::RangesApart(kBitmapSlots), "two rows claim one bitmap slot of PEL3D.BMP");

// The first slot after the last claimed one: the file's bitmap count.
constexpr uint32_t EngineBitmapCount() {
  uint32_t count = 0;
  for (const BitmapSlot& slot : kBitmapSlots) count = slot.last + 1 > count ? slot.last + 1 : count;
  return count;
}

// The row that claims the body id, or null.
const BodyIdRange* FindBodyIdRange(uint32_t id);

// The bitmaps the bodies name.
inline constexpr uint32_t kResidentialFacades = 2;
inline constexpr uint32_t kHouseFrontBitmap = 3;
inline constexpr uint32_t kFirstTreeBitmap = 6;
inline constexpr uint32_t kTreeKinds = 3;
inline constexpr uint32_t kSignBitmap = 9;
inline constexpr uint32_t kHelipadBitmap = 10;
inline constexpr uint32_t kFlameBitmap = 11;
inline constexpr uint32_t kFireBoardBitmap = 12;
inline constexpr uint32_t kCommercialFacades = 13;
inline constexpr uint32_t kFenceBitmap = 14;
inline constexpr uint32_t kGroundTiles = 20;
inline constexpr uint32_t kIndustrialFacades = 39;
inline constexpr uint32_t kPublicFacades = 40;
inline constexpr uint32_t kRemapBitmap = 51;
inline constexpr uint32_t kFirstParticleBitmap = 52;
inline constexpr uint32_t kParticleKinds = 12;
inline constexpr std::array<uint32_t, 11> kFaceBitmaps{4, 5, 44, 45, 46, 47, 48, 49, 65, 66, 67};
