#include "peoplefiles/FigureModel.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kDegrees = 3.14159265f / 180.0f;
constexpr float kSoles = 21.0f;

const std::vector<FigurePart> kHumanParts = {
    {"tors", 10, "", 7, "shirt", "torso", 0.6f},
    {"head", 9, "", 7, "skin", "head", 0},
    {"ruar", 10, "", 3, "sleeves", "arm", 0.3f},
    {"rfar", 11, "ruar", 3, "sleeves", "forearm", 0},
    {"rhnd", 8, "rfar", 1, "skin", "hand", 0},
    {"luar", 10, "", 3, "sleeves", "arm", 0.3f},
    {"lfar", 11, "luar", 3, "sleeves", "forearm", 0},
    {"lhnd", 8, "lfar", 1, "skin", "hand", 0},
    {"rthi", 10, "", 3, "trousers", "leg", 0.3f},
    {"rshn", 11, "rthi", 3, "trousers", "shin", 0},
    {"rfot", 14, "rshn", 1, "shoes", "foot", 0},
    {"lthi", 10, "", 3, "trousers", "leg", 0.3f},
    {"lshn", 11, "lthi", 3, "trousers", "shin", 0},
    {"lfot", 14, "lshn", 1, "shoes", "foot", 0},
};

const std::vector<FigurePart> kDogParts = {
    {"body", 10, "", 7, "coat", "torso", 0.4f},
    {"head", 13, "", 7, "coat", "head", 0},
    {"nose", 12, "", 7, "dark", "", 0},
    {"tail", 11, "", 3, "coat", "tail", 0},
    {"lfle", 11, "", 3, "coat", "leg", 0},
    {"rfle", 11, "", 3, "coat", "leg", 0},
    {"lble", 11, "", 3, "coat", "leg", 0},
    {"rble", 11, "", 3, "coat", "leg", 0},
};

FigurePoint Add(FigurePoint a, FigurePoint b, float scale = 1.0f) {
  return {a.x + b.x * scale, a.y + b.y * scale, a.z + b.z * scale};
}

// A limb hanging straight down, swung forward by `forward` and out to the side by `out`
// degrees; side +1 is the figure's left.
FigurePoint LimbDirection(float forward, float out, float side) {
  const float a = forward * kDegrees, b = out * kDegrees;
  return {std::sin(a) * std::cos(b), std::cos(a) * std::cos(b), side * std::sin(b)};
}

struct Limb {
  FigurePoint root, joint, tip;
};

// An arm or leg from its root: the upper part by (forward, out), the lower part bent by
// `bend` (forward for arms, backward for legs).
Limb PlaceLimb(FigurePoint root, float upper, float lower, float forward, float out, float bend, float side) {
  const FigurePoint joint = Add(root, LimbDirection(forward, out, side), upper);
  return {root, joint, Add(joint, LimbDirection(forward + bend, out, side), lower)};
}

// The whole figure turned about its left axis (lying down) and moved.
void Lay(std::vector<PartPoints>& points, float degrees, float forward, float lift) {
  const float a = degrees * kDegrees, c = std::cos(a), s = std::sin(a);
  auto move = [&](FigurePoint& p) {
    const FigurePoint turned{p.x * c - p.y * s, p.x * s + p.y * c, p.z};
    p = {turned.x + forward, turned.y + lift, turned.z};
  };
  for (PartPoints& part : points) {
    move(part.start);
    move(part.end);
  }
}

// Moves the figure up or down so that its lowest ground point stands on `ground`.
void Ground(std::vector<PartPoints>& points, const std::vector<size_t>& feet, float ground) {
  float lowest = -1000.0f;
  for (size_t foot : feet) lowest = std::max({lowest, points[foot].start.y, points[foot].end.y});
  for (PartPoints& part : points) {
    part.start.y += ground - lowest;
    part.end.y += ground - lowest;
  }
}

void PoseHuman(const FigureValues& size, const FigureValues& f, std::vector<PartPoints>& points) {
  const float thigh = size.Get("thigh"), shin = size.Get("shin"), footRadius = size.Get("size.foot") * 0.9f;
  const float pelvisY = kSoles - footRadius - thigh - shin;
  const float lean = f.Get("lean") * kDegrees;
  const FigurePoint up{std::sin(lean), -std::cos(lean), 0};
  const FigurePoint pelvis{0, pelvisY, 0};
  const FigurePoint neck = Add(pelvis, up, size.Get("torso"));
  const FigurePoint head = Add(neck, up, size.Get("neck"));
  const FigurePoint chest = Add(neck, up, -size.Get("shoulderdrop"));
  const float shoulders = size.Get("shoulders"), hips = size.Get("hips");
  const float upperArm = size.Get("upperarm"), forearm = size.Get("forearm");
  auto arm = [&](const std::string& key, float side) {
    return PlaceLimb(Add(chest, {0, 0, side * shoulders}), upperArm, forearm, f.Get(key, 0, 0) + f.Get("lean"),
                     f.Get(key, 1, 8), f.Get(key == "rarm" ? "relbow" : "lelbow", 10), side);
  };
  auto leg = [&](const std::string& key, float side) {
    return PlaceLimb(Add(pelvis, {0, 0, side * hips}), thigh, shin, f.Get(key, 0, 0), f.Get(key, 1, 2),
                     -f.Get(key == "rleg" ? "rknee" : "lknee", 0), side);
  };
  const Limb rightArm = arm("rarm", -1), leftArm = arm("larm", 1);
  const Limb rightLeg = leg("rleg", -1), leftLeg = leg("lleg", 1);
  points = {{neck, pelvis},
            {head, head},
            {rightArm.root, rightArm.joint},
            {rightArm.joint, rightArm.tip},
            {rightArm.tip, rightArm.tip},
            {leftArm.root, leftArm.joint},
            {leftArm.joint, leftArm.tip},
            {leftArm.tip, leftArm.tip},
            {rightLeg.root, rightLeg.joint},
            {rightLeg.joint, rightLeg.tip},
            {rightLeg.tip, rightLeg.tip},
            {leftLeg.root, leftLeg.joint},
            {leftLeg.joint, leftLeg.tip},
            {leftLeg.tip, leftLeg.tip}};
  if (f.Has("lie")) {
    Lay(points, f.Get("lie"), f.Get("forward"), f.Get("lift"));
    return;
  }
  Ground(points, {10, 13}, kSoles - footRadius);
}

void PoseDog(const FigureValues& size, const FigureValues& f, std::vector<PartPoints>& points) {
  const float leg = size.Get("leg.length", 10), half = size.Get("body.half", 5), back = kSoles - leg;
  const FigurePoint chest{half, back - 0.5f + f.Get("bob"), 0}, rump{-half, back, 0};
  const FigurePoint head = Add(chest, {2.5f, -3.5f + f.Get("head"), 0});
  const FigurePoint nose = Add(head, {2.0f, 0.8f, 0});
  const float tail = (f.Get("tail", 40)) * kDegrees;
  const FigurePoint tailTip = Add(rump, {-std::cos(tail), -std::sin(tail), 0}, size.Get("tail.length", 4));
  auto legAt = [&](FigurePoint root, float swing, float side) {
    const FigurePoint hip = Add(root, {0, 0.5f, side * 1.2f});
    return PartPoints{hip, Add(hip, LimbDirection(swing, 0, side), leg)};
  };
  points = {{rump, chest},
            {head, head},
            {nose, nose},
            {rump, tailTip},
            legAt(chest, f.Get("fl"), 1),
            legAt(chest, f.Get("fr"), -1),
            legAt(rump, f.Get("bl"), 1),
            legAt(rump, f.Get("br"), -1)};
  Ground(points, {4, 5, 6, 7}, kSoles);
}

}  // namespace

const std::vector<FigurePart>& FigureParts(const std::string& model) { return model == "dog" ? kDogParts : kHumanParts; }

bool PoseFigure(const std::string& model, const FigureValues& sizes, const FigureValues& frame,
                std::vector<PartPoints>& points, std::string& error) {
  if (model == "human") {
    PoseHuman(sizes, frame, points);
    return true;
  }
  if (model == "dog") {
    PoseDog(sizes, frame, points);
    return true;
  }
  error = "unknown figure model \"" + model + "\"";
  return false;
}
