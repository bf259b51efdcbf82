#pragma once
#include <cstdint>
#include <vector>

#include "imagefiles/ControlImages.h"
#include "imagefiles/ControlStrip.h"

// A rectangle of an image by its edges: left and top inside, right and bottom outside.
struct PixelRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

// A sunk area of a box, filled with one colour: where a box's text, strip or field goes.
struct BoxPanel {
  PixelRect area;
  uint8_t fill = 0;
};

// A message box image: a raised body with a bevel in the body's colours, its corners
// rounded off to cornerRadius in the transparent index (kControlTransparentIndex; 0 keeps
// them square), and sunk panels, each framed by a bevel just outside its area.
ControlImage DrawBoxImage(int32_t width, int32_t height, int32_t cornerRadius, const StripColours& body,
                          const std::vector<BoxPanel>& panels);

// The colours of a picture strip's scene: a sky shading from skyTop to skyBottom (palette
// indexes of one ramp), the ground, the helicopter and its rotor.
struct StripScene {
  uint8_t skyTop = 0;
  uint8_t skyBottom = 0;
  uint8_t ground = 0;
  uint8_t body = 0;
  uint8_t rotor = 0;
};

// A picture strip of frames side by side: a small helicopter hovering over the ground, its
// rotor turning and the craft bobbing from frame to frame.
ControlImage DrawPictureStrip(int32_t frameWidth, int32_t frameHeight, int32_t frames, const StripScene& scene);
