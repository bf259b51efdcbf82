#pragma once
#include <array>
#include <string>
#include <vector>

#include "peoplefiles/FigureSource.h"

// The parts of a figure model ("human", "dog") and how a frame's joint angles place them.
// Frame units: x forward, y down, z to the figure's left; an adult stands from y = -21 (top of
// the head) to y = +21 (soles).

// What colours a part: a ramp the body names (shirt, sleeves, trousers, shoes, coat), or skin
// and dark fixed ones.
struct FigurePart {
  std::string code;    // four characters
  int kind;            // part kind of the body records
  std::string parent;  // code, empty for none
  int detail;
  std::string colour;  // the body's look key giving the ramp
  std::string sizeKey;   // the body's look key giving size or width
  float taper;
};

struct FigurePoint {
  float x = 0, y = 0, z = 0;
};

struct PartPoints {
  FigurePoint start;
  FigurePoint end;
};

const std::vector<FigurePart>& FigureParts(const std::string& model);

// The points of every part (in FigureParts order) in one frame, or false with the reason.
bool PoseFigure(const std::string& model, const FigureValues& sizes, const FigureValues& frame,
                std::vector<PartPoints>& points, std::string& error);
