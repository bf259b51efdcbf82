#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Pictures of the loaded bodies (LoadBodies first): one figure, or a sheet of every body in
// every animation, drawn by the body rasteriser into an 8-bit picture.

struct FigurePicture {
  FigurePicture(int32_t w, int32_t h, uint8_t background) : width(w), height(h), pixels(static_cast<size_t>(w) * h, background) {}
  int32_t width;
  int32_t height;
  std::vector<uint8_t> pixels;
};

struct FigurePose {
  uint32_t body = 0;  // four-character name code
  uint32_t key = 0;   // animation key
  int32_t frame = 0;
  int32_t facing = 0;  // eighths of a turn; 0 faces the viewer
  float depth = 6.0f;  // world units
  bool fullResolution = true;
};

// The body's usual face number (0-10), by its name; 0 for a name not in the table.
int32_t DefaultFaceOf(uint32_t body);

// Draws the pose with the person's point at (x, y) of the picture: the point stands 3.0 world
// units above the ground, the soles 21 frame units below it. False when the body or its
// animation for the key is not loaded.
bool DrawFigure(FigurePicture& picture, const FigurePose& pose, int32_t x, int32_t y);

// The frame units of one world unit, and the pixels per frame unit at a depth.
float FigureScale(float depth, bool fullResolution);

// Every body (one row each) in every animation key's middle frame, three-quarters turned, then
// standing at each of the eight facings; a ground line under each row.
FigurePicture DrawFigureSheet();

// The picture through the game's palette, written as a PNG; false with a message.
bool WriteFigurePng(const FigurePicture& picture, const std::string& path, std::string& message);
