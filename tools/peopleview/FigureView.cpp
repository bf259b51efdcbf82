#include "peopleview/FigureView.h"

#include <array>

#include "X/Body/BodyLists.h"
#include "X/Body/BodyRaster.h"
#include "X/Body/DrawBody.h"
#include "X/Body/FaceTable.h"
#include "imagefiles/GamePalette.h"
#include "imagefiles/PngFile.h"

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kSolesBelowPoint = 21.0f;
constexpr int32_t kDetailAll = 7;

struct BodyFace {
  const char* name;
  int32_t face;
};

// The people's body types with their usual faces.
constexpr std::array<BodyFace, 18> kBodyFaces{{{"Blon", 7}, {"2blo", 5}, {"Woma", 5}, {"2wom", 7}, {"Chil", 4},
                                               {"5man", 8}, {"fatm", 6}, {"BLUE", 6}, {"SUIT", 9}, {"SHAD", 6},
                                               {"5.5m", 4}, {"2DOG", 6}, {"Medi", 3}, {"Fire", 2}, {"Kopp", 1},
                                               {"Badg", 4}, {"Agnt", 4}, {"Coww", 4}}};

constexpr std::array<const char*, 14> kSheetKeys{"NoMo", "1Wal", "1Run", "Tote", "FaCl", "Whoa", "2Gab",
                                                 "BowP", "HipH", "Thro", "Wave", "Hurt", "Carr", "Hand"};

uint32_t Code(const char* name) {
  return static_cast<uint32_t>(static_cast<uint8_t>(name[0])) << 24 | static_cast<uint32_t>(static_cast<uint8_t>(name[1])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(name[2])) << 8 | static_cast<uint8_t>(name[3]);
}

constexpr int32_t kCellWidth = 44;
constexpr int32_t kCellHeight = 64;
constexpr float kSheetDepth = 56.0f;
constexpr uint8_t kSheetBackground = 211;
constexpr uint8_t kGroundColour = 209;

}  // namespace

int32_t DefaultFaceOf(uint32_t body) {
  for (const BodyFace& entry : kBodyFaces)
    if (Code(entry.name) == body) return entry.face;
  return 0;
}

float FigureScale(float depth, bool fullResolution) { return 35.0f / depth * (fullResolution ? 2.0f : 1.0f); }

bool DrawFigure(FigurePicture& picture, const FigurePose& pose, int32_t x, int32_t y) {
  bBody* body = FindBody(pose.body);
  const bPrivAnim* anim = GetPrivAnim(body, pose.key);
  if (!body || !anim) return false;
  gBodyRaster = {picture.pixels.data(), picture.width, picture.width - 1, picture.height - 1, pose.fullResolution};
  body->SetFace(kFaceTable[static_cast<size_t>(DefaultFaceOf(pose.body))]);
  const float angle2 = 1.5f * kPi + static_cast<float>(pose.facing) * kPi / 4.0f;
  DrawBody(body, 0.0f, angle2, anim, pose.frame, x, y, FigureScale(pose.depth, pose.fullResolution), kDetailAll, 0);
  return true;
}

FigurePicture DrawFigureSheet() {
  const int32_t columns = static_cast<int32_t>(kSheetKeys.size()) + 8;
  FigurePicture sheet(columns * kCellWidth, static_cast<int32_t>(kBodyFaces.size()) * kCellHeight, kSheetBackground);
  const float scale = FigureScale(kSheetDepth, true);
  for (size_t row = 0; row < kBodyFaces.size(); ++row) {
    const int32_t ground = static_cast<int32_t>(row + 1) * kCellHeight - 6;
    for (int32_t x = 0; x < sheet.width; ++x) sheet.pixels[static_cast<size_t>(ground + 1) * sheet.width + x] = kGroundColour;
    const int32_t point = ground - static_cast<int32_t>(kSolesBelowPoint * scale);
    FigurePose pose{Code(kBodyFaces[row].name), 0, 0, 1, kSheetDepth, true};
    for (size_t column = 0; column < kSheetKeys.size(); ++column) {
      pose.key = Code(kSheetKeys[column]);
      const bPrivAnim* anim = GetPrivAnim(FindBody(pose.body), pose.key);
      pose.frame = anim ? anim->FrameCount() / 2 : 0;
      DrawFigure(sheet, pose, static_cast<int32_t>(column) * kCellWidth + kCellWidth / 2, point);
    }
    pose.key = Code("NoMo");
    pose.frame = 0;
    for (int32_t facing = 0; facing < 8; ++facing) {
      pose.facing = facing;
      DrawFigure(sheet, pose, static_cast<int32_t>(kSheetKeys.size() + facing) * kCellWidth + kCellWidth / 2, point);
    }
  }
  return sheet;
}

bool WriteFigurePng(const FigurePicture& picture, const std::string& path, std::string& message) {
  RgbImage image{picture.width, picture.height, {}};
  image.pixels.reserve(picture.pixels.size() * 3);
  for (uint8_t index : picture.pixels) {
    const platform::Rgb& colour = GamePalette()[index];
    image.pixels.insert(image.pixels.end(), {colour.red, colour.green, colour.blue});
  }
  return WritePng(path, image, message);
}
