#include "objectsets/EngineBitmaps.h"

#include "X/Body/FaceTable.h"
#include "enginefiles/BitmapFileWriter.h"
#include "enginefiles/RemapTable.h"
#include "enginefiles/ShadeTable.h"
#include "imagefiles/GamePalette.h"
#include "objectsets/CityTextures.h"
#include "objectsets/EffectTextures.h"
#include "objectsets/FacadeTiles.h"
#include "objectsets/ObjectSetIds.h"
#include "peoplefiles/FaceImages.h"
#include "platform/Process.h"

namespace {

constexpr uint8_t kGrass = 144 + 7;

Canvas ShadeCanvas(uint8_t fogColour) {
  Canvas canvas(kShadeTableWidth, kShadeTableRows);
  canvas.pixels = MakeShadeTable(GamePalette(), fogColour);
  return canvas;
}

// Remap rows that leave every colour as it is: the remap table's owner fills the slot.
// The remap lines' tables: rows 1 to 4 shades lighter within each colour's ramp.
Canvas RemapRows() {
  Canvas rows(kRemapTableWidth, kRemapBlockRows);
  rows.pixels = MakeRemapBlock();
  return rows;
}

bool IsFaceSlot(uint32_t slot) {
  for (uint32_t face : kFaceBitmaps)
    if (face == slot) return true;
  return false;
}

// The face whose face value names the slot, painted by the people's face painter.
Canvas PaintFace(uint32_t slot) {
  Canvas face(kFaceWidth, kFaceHeight);
  for (size_t number = 0; number < kFaceTable.size(); ++number)
    if (kFaceTable[number] == slot) face.pixels = PaintFaceImage(static_cast<int32_t>(number));
  return face;
}

Canvas PaintSlot(uint32_t slot) {
  switch (slot) {
    case kDayShadeBitmap: return ShadeCanvas(kDayFogColour);
    case kNightShadeBitmap: return ShadeCanvas(kNightFogColour);
    case kResidentialFacades:
    case kCommercialFacades:
    case kIndustrialFacades:
    case kPublicFacades: return PaintFacadeSet(slot);
    case kHouseFrontBitmap: return PaintHouseFront();
    case kSignBitmap: return PaintSigns();
    case kHelipadBitmap: return PaintHelipadH();
    case kFlameBitmap: return PaintFlame();
    case kFireBoardBitmap: return PaintFireBoard();
    case kFenceBitmap: return PaintFence();
    case kGroundTiles: return Canvas(1, 1, kGrass);
    case kRemapBitmap: return RemapRows();
    default: break;
  }
  if (slot >= kFirstTreeBitmap && slot < kFirstTreeBitmap + kTreeKinds) return PaintTree(slot - kFirstTreeBitmap);
  if (slot >= kFirstParticleBitmap && slot < kFirstParticleBitmap + kParticleKinds) {
    return PaintParticle(slot - kFirstParticleBitmap);
  }
  if (IsFaceSlot(slot)) return PaintFace(slot);
  return Canvas(1, 1);  // a slot nothing names
}

}  // namespace

bool AddEngineBitmaps(BitmapFileWriter& writer, std::string& error) {
  for (uint32_t slot = 0; slot < EngineBitmapCount(); ++slot) {
    const Canvas canvas = PaintSlot(slot);
    if (!writer.AddBitmap(canvas.width, canvas.height, canvas.pixels)) {
      error = "bitmap " + std::to_string(slot) + " is not " + std::to_string(canvas.width) + " x " +
              std::to_string(canvas.height);
      return false;
    }
  }
  return true;
}

bool WriteEngineBitmaps(const std::string& path, std::string& error) {
  BitmapFileWriter writer;
  if (!AddEngineBitmaps(writer, error)) return false;
  if (writer.Save(platform::ToGamePath(path))) return true;
  error = "cannot write the file";
  return false;
}
