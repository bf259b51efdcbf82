#include "dataset/MessageBoxImageSteps.h"

#include "dataset/ControlImageSteps.h"
#include "imagefiles/MessageBoxImages.h"

namespace {

constexpr int32_t kBoxWidth = 420;
constexpr int32_t kBoxHeight = 320;
constexpr int32_t kBoxCorner = 12;
// The box's text area with a margin, and the strip's place: the message box window's.
constexpr PixelRect kTextPanel{94, 74, 372, 204};
constexpr PixelRect kStripWell{52, 211, 201, 304};
constexpr int32_t kStripFrameWidth = 149;
constexpr int32_t kStripFrameHeight = 93;
constexpr int32_t kStripFrames = 8;
constexpr int32_t kButtonWidth = 80;
constexpr int32_t kButtonHeight = 32;
constexpr int32_t kFieldWidth = 270;
constexpr int32_t kFieldHeight = 100;
// The cream under dark text, and its edges.
constexpr uint8_t kCream = 21;
constexpr StripColours kFieldColours{kCream, 31, 17};

// Palette ramps, each 16 shades from dark to light.
enum Ramp : uint8_t {
  kGreyRamp = 48,
  kBlueRamp = 80,
  kBrownRamp = 112,
  kGreenRamp = 144,
  kPurpleRamp = 160,
  kTealRamp = 176,
  kSandRamp = 192,
};
constexpr uint8_t kNearBlack = 33;
constexpr uint8_t kRed = 102;
constexpr uint8_t kOrange = 134;
constexpr uint8_t kFoliage = 214;

// One screen's family: the name's suffix, the box's ramp and shade, and the strip's scene.
struct BoxLook {
  const char* suffix;
  uint8_t ramp;
  uint8_t shade;
  StripScene scene;
};

constexpr StripScene kDaySky{kBlueRamp + 9, kBlueRamp + 15, kFoliage, kRed, kNearBlack};
constexpr StripScene kNightSky{kGreyRamp, kGreyRamp + 4, kGreenRamp + 2, kOrange, kNearBlack};

const BoxLook kLooks[] = {
    {"", kGreyRamp, 8, kDaySky},        {"1", kBrownRamp, 8, kDaySky}, {"2", kBlueRamp, 5, kNightSky},
    {"2d", kTealRamp, 8, kDaySky},      {"3", kBlueRamp, 8, kDaySky},  {"4", kSandRamp, 7, kDaySky},
    {"5", kGreenRamp, 7, kDaySky},      {"6", kPurpleRamp, 8, kDaySky},
};

ControlImage BoxImage(const BoxLook& look) {
  const uint8_t face = static_cast<uint8_t>(look.ramp + look.shade);
  const StripColours body{face, static_cast<uint8_t>(face + 5), static_cast<uint8_t>(face - 5)};
  const uint8_t well = static_cast<uint8_t>(look.ramp + 1);
  return DrawBoxImage(kBoxWidth, kBoxHeight, kBoxCorner, body, {{kTextPanel, kCream}, {kStripWell, well}});
}

// The look's push button: disabled, up and pressed, 80 x 32 each, in the box's ramp.
ControlImage ButtonImage(const BoxLook& look) {
  const auto shade = [&look](int32_t step) { return static_cast<uint8_t>(look.ramp + step); };
  const StripColours raised{shade(11), shade(15), shade(4)};
  const StripColours greyed{shade(7), shade(10), shade(4)};
  return {3 * kButtonWidth, kButtonHeight,
          DrawControlStrip(kButtonWidth, kButtonHeight, ControlShape::kBox, {{greyed}, {raised}, {raised, true}})};
}

}  // namespace

void AddMessageBoxImageSteps(std::vector<DataSetStep>& steps) {
  for (const BoxLook& look : kLooks) {
    const std::string suffix = look.suffix;
    // The default look's button is the toolkit's own.
    if (!suffix.empty()) {
      steps.push_back({"bmp/button" + suffix + ".bmp", "(drawn in code)",
                       [look](const std::string&, const std::string& outputPath, std::string& error) {
                         return WriteControlImage(ButtonImage(look), outputPath, error);
                       }});
    }
    steps.push_back({"bmp/MBox" + suffix + ".bmp", "(drawn in code)",
                     [look](const std::string&, const std::string& outputPath, std::string& error) {
                       return WriteControlImage(BoxImage(look), outputPath, error);
                     }});
    steps.push_back({"bmp/MBoxl" + suffix + ".bmp", "(drawn in code)",
                     [look](const std::string&, const std::string& outputPath, std::string& error) {
                       return WriteControlImage(DrawPictureStrip(kStripFrameWidth, kStripFrameHeight, kStripFrames, look.scene),
                                         outputPath, error);
                     }});
  }
  steps.push_back({"bmp/MBoxCht.bmp", "(drawn in code)",
                   [](const std::string&, const std::string& outputPath, std::string& error) {
                     return WriteControlImage(DrawBoxImage(kFieldWidth, kFieldHeight, 0, kFieldColours, {}), outputPath, error);
                   }});
}
