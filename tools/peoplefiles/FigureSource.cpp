#include "peoplefiles/FigureSource.h"

#include <cstdlib>
#include <sstream>

float FigureValues::Get(const std::string& key, float fallback) const { return Get(key, 0, fallback); }

float FigureValues::Get(const std::string& key, size_t index, float fallback) const {
  auto found = values.find(key);
  if (found == values.end() || index >= found->second.size()) return fallback;
  return found->second[index];
}

const SkeletonSource* FigureSource::FindSkeleton(const std::string& name) const {
  for (const SkeletonSource& skeleton : skeletons)
    if (skeleton.name == name) return &skeleton;
  return nullptr;
}

namespace {

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line.substr(0, line.find('#')));
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

bool ParseNumber(const std::string& text, float& value) {
  char* end = nullptr;
  value = std::strtof(text.c_str(), &end);
  return !text.empty() && end && *end == '\0';
}

// "key=1,2" pairs into values.
bool ParseValues(const std::vector<std::string>& words, size_t from, FigureValues& out, std::string& why) {
  for (size_t i = from; i < words.size(); ++i) {
    const size_t equals = words[i].find('=');
    if (equals == std::string::npos || equals == 0) {
      why = "expected key=value, found \"" + words[i] + "\"";
      return false;
    }
    std::vector<float>& numbers = out.values[words[i].substr(0, equals)];
    std::stringstream list(words[i].substr(equals + 1));
    for (std::string item; std::getline(list, item, ',');) {
      float value = 0;
      if (!ParseNumber(item, value)) {
        why = "not a number: \"" + item + "\"";
        return false;
      }
      numbers.push_back(value);
    }
  }
  return true;
}

class Parser {
public:
  explicit Parser(FigureSource& source) : mSource(source) {}

  bool Line(const std::vector<std::string>& words, std::string& why) {
    const std::string& head = words[0];
    if (head == "skeleton") return Skeleton(words, why);
    if (head == "body") return Body(words, why);
    if (head == "animation") return Animation(words, why);
    if (head == "frame") return Frame(words, why);
    if (head == "map") return Map(words, why);
    if (mSkeleton && words.size() == 2) {
      float value = 0;
      if (!ParseNumber(words[1], value)) {
        why = "not a number: \"" + words[1] + "\"";
        return false;
      }
      mSkeleton->sizes.values[head] = {value};
      return true;
    }
    why = "unknown line \"" + head + "\"";
    return false;
  }

private:
  bool Skeleton(const std::vector<std::string>& words, std::string& why) {
    if (words.size() != 3) return Fail(why, "skeleton NAME MODEL");
    mSource.skeletons.push_back({words[1], words[2], {}, {}});
    mSkeleton = &mSource.skeletons.back();
    mAnimation = nullptr;
    return true;
  }
  bool Body(const std::vector<std::string>& words, std::string& why) {
    if (words.size() < 3) return Fail(why, "body NAME SKELETON key=value ...");
    mSource.bodies.push_back({words[1], words[2], {}});
    mSkeleton = nullptr;
    mAnimation = nullptr;
    return ParseValues(words, 3, mSource.bodies.back().looks, why);
  }
  bool Animation(const std::vector<std::string>& words, std::string& why) {
    if (words.size() != 4) return Fail(why, "animation NAME CHILD-NAME MODEL");
    mSource.animations.push_back({words[1], words[2] == "-" ? "" : words[2], words[3], {}});
    mAnimation = &mSource.animations.back();
    mSkeleton = nullptr;
    return true;
  }
  bool Frame(const std::vector<std::string>& words, std::string& why) {
    if (!mAnimation) return Fail(why, "frame outside an animation");
    mAnimation->frames.emplace_back();
    return ParseValues(words, 1, mAnimation->frames.back(), why);
  }
  bool Map(const std::vector<std::string>& words, std::string& why) {
    if (!mSkeleton || words.size() != 3) return Fail(why, "map KEY ANIMATION inside a skeleton");
    mSkeleton->keyMap[words[1]] = words[2];
    return true;
  }
  static bool Fail(std::string& why, const std::string& text) {
    why = text;
    return false;
  }

  FigureSource& mSource;
  SkeletonSource* mSkeleton = nullptr;
  AnimationSource* mAnimation = nullptr;
};

}  // namespace

bool ParseFigureSource(const std::string& text, const std::string& fileName, FigureSource& source,
                       std::string& error) {
  Parser parser(source);
  std::istringstream lines(text);
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    const std::vector<std::string> words = Words(line);
    if (words.empty()) continue;
    std::string why;
    if (!parser.Line(words, why)) {
      error = fileName + ":" + std::to_string(number) + ": " + why;
      return false;
    }
  }
  return true;
}
