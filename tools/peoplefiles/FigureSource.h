#pragma once
#include <map>
#include <string>
#include <vector>

// The readable source of the people's figures (data/people/*.txt): skeleton dimensions, the
// bodies' looks, and the animations as joint angles frame by frame. Lines are words; '#'
// starts a comment.
//
//   skeleton NAME            then lines "key value" (lengths in frame units)
//   body NAME SKELETON key=value ...
//   animation NAME CHILD-NAME SKELETON     (CHILD-NAME "-" when there is no child copy)
//   frame key=value[,value] ...            the animation's frames, in order
//   map KEY ANIMATION                       (a skeleton's own key mapping, after "skeleton")

struct FigureValues {
  std::map<std::string, std::vector<float>> values;
  // The value's first number, or the fallback.
  float Get(const std::string& key, float fallback = 0.0f) const;
  float Get(const std::string& key, size_t index, float fallback) const;
  bool Has(const std::string& key) const { return values.count(key) != 0; }
};

struct SkeletonSource {
  std::string name;
  std::string model;  // "human" or "dog"
  FigureValues sizes;
  std::map<std::string, std::string> keyMap;  // key -> animation, for skeletons with their own
};

struct BodySource {
  std::string name;
  std::string skeleton;
  FigureValues looks;
};

struct AnimationSource {
  std::string name;
  std::string childName;
  std::string model;
  std::vector<FigureValues> frames;
};

struct FigureSource {
  std::vector<SkeletonSource> skeletons;
  std::vector<BodySource> bodies;
  std::vector<AnimationSource> animations;

  const SkeletonSource* FindSkeleton(const std::string& name) const;
};

// Reads every line of the text into the source; false with the line and reason in error.
bool ParseFigureSource(const std::string& text, const std::string& fileName, FigureSource& source,
                       std::string& error);
