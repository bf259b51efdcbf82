#include "imagefiles/ControlImages.h"

#include "imagefiles/ControlStrip.h"

namespace {

using namespace control_colours;

constexpr StripColours kGreyedOut{kMidGrey, kSilver, kDarkGrey};
constexpr StripColours kWell{kWhite, kWhite, kDarkGrey};
constexpr StripColours kGreyedWell{kSilver, kWhite, kDarkGrey};

constexpr int32_t kButtonWidth = 80;
constexpr int32_t kButtonHeight = 32;
constexpr int32_t kMarkSide = 20;

ControlImage Strip(int32_t frameWidth, int32_t frameHeight, ControlShape shape, const std::vector<ControlFrame>& frames) {
  return {frameWidth * static_cast<int32_t>(frames.size()), frameHeight,
          DrawControlStrip(frameWidth, frameHeight, shape, frames)};
}

// Off and on, first greyed out, then live; the wells are sunk.
std::vector<ControlFrame> MarkedFrames(ControlMark mark) {
  return {{kGreyedWell, true}, {kGreyedWell, true, mark, kDarkGrey}, {kWell, true}, {kWell, true, mark, kBlack}};
}

}  // namespace

ControlImage ButtonImage() {
  return Strip(kButtonWidth, kButtonHeight, ControlShape::kBox, {{kGreyedOut}, {kRaised}, {kRaised, true}});
}

ControlImage CheckBoxImage() {
  return Strip(kMarkSide, kMarkSide, ControlShape::kBox, MarkedFrames(ControlMark::kCheck));
}

ControlImage RadioButtonImage() {
  return Strip(kMarkSide, kMarkSide, ControlShape::kRound, MarkedFrames(ControlMark::kDot));
}
