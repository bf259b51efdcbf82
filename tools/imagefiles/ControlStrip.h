#pragma once
#include <cstdint>
#include <vector>

// The palette index drawn transparent around the controls.
constexpr uint8_t kControlTransparentIndex = 254;

// The three colours of a bevelled control frame, as palette indexes.
struct StripColours {
  uint8_t face = 0;
  uint8_t light = 0;
  uint8_t dark = 0;
};

// Palette indexes of the static colours the controls are drawn in, and the raised look.
namespace control_colours {
constexpr uint8_t kBlack = 0;
constexpr uint8_t kSilver = 7;
constexpr uint8_t kMidGrey = 247;
constexpr uint8_t kDarkGrey = 248;
constexpr uint8_t kWhite = 255;
constexpr StripColours kRaised{kSilver, kWhite, kDarkGrey};
}  // namespace control_colours

enum class ControlShape { kBox, kRound };
enum class ControlMark { kNone, kCheck, kDot };

// One frame of a strip: its colours, sunk (the light and dark edges swapped) or raised,
// and a mark drawn on its face.
struct ControlFrame {
  StripColours colours;
  bool sunken = false;
  ControlMark mark = ControlMark::kNone;
  uint8_t markColour = 0;
};

// The pixels (rows top-down) of a strip of frames side by side, each frameWidth by
// frameHeight: a box fills its frame, a round control is a disc on the transparent index.
// Every frame is the same size, as the controls cut it.
std::vector<uint8_t> DrawControlStrip(int32_t frameWidth, int32_t frameHeight, ControlShape shape,
                                      const std::vector<ControlFrame>& frames);
