#include "peoplefiles/FigureCompiler.h"

#include <cmath>
#include <fstream>
#include <set>
#include <sstream>

#include "peoplefiles/BigEndianWriter.h"
#include "peoplefiles/FigureModel.h"
#include "platform/Process.h"

namespace {

constexpr size_t kHeaderSize = 64;
constexpr int kSkinRamp = 12;
constexpr int kDarkRamp = 0;
constexpr int16_t kFirstItemId = 128;
constexpr int16_t kFirstArrayId = 1000;

uint32_t Code(const std::string& name) {
  uint32_t code = 0;
  for (size_t i = 0; i < 4; ++i) code = code << 8 | static_cast<uint8_t>(i < name.size() ? name[i] : 0);
  return code;
}

std::string ArrayName(const std::string& owner, char fourth) { return owner.substr(0, 3) + fourth; }

std::vector<uint8_t> Header(uint32_t firstWord) {
  BigEndianWriter out;
  out.U32(firstWord);
  out.Zeros(kHeaderSize - 4);
  return out.Result();
}

int8_t FrameByte(float value) { return static_cast<int8_t>(std::lround(std::fmax(-127.0f, std::fmin(127.0f, value)))); }

void PointBytes(const FigurePoint& p, BigEndianWriter& out) {
  out.U8(static_cast<uint8_t>(FrameByte(p.x)));
  out.U8(static_cast<uint8_t>(FrameByte(p.z)));
  out.U8(static_cast<uint8_t>(FrameByte(p.y)));
  out.U8(0);
}

// A body's size or width for the part: its own look, else the skeleton's.
float PartMeasure(const BodySource& body, const SkeletonSource& skeleton, const std::string& prefix,
                  const std::string& key) {
  return body.looks.Get(prefix + key, skeleton.sizes.Get(prefix + key, 0.0f));
}

bool PartRecord(const BodySource& body, const SkeletonSource& skeleton, const FigurePart& part, int index,
                BigEndianWriter& out, std::string& error) {
  int ramp = kDarkRamp;
  bool fixed = true;
  if (part.colour == "skin") {
    ramp = kSkinRamp;
  } else if (part.colour != "dark") {
    const std::string key = part.colour == "sleeves" && !body.looks.Has("sleeves") ? "shirt" : part.colour;
    if (!body.looks.Has(key)) {
      error = "body " + body.name + " has no colour \"" + key + "\"";
      return false;
    }
    ramp = static_cast<int>(body.looks.Get(key));
    fixed = body.looks.Get("uniform") != 0.0f;
  }
  out.U8(static_cast<uint8_t>(part.kind));
  out.U8(0);
  out.U8(static_cast<uint8_t>(index));
  out.U8(static_cast<uint8_t>(ramp));
  out.U8(static_cast<uint8_t>(part.detail));
  out.U8(fixed ? 1 : 0);
  out.U16(0);
  out.U32(Code(part.code));
  out.U32(part.parent.empty() ? 0 : Code(part.parent));
  out.Zeros(12);
  out.Float(PartMeasure(body, skeleton, "size.", part.sizeKey));
  out.Float(PartMeasure(body, skeleton, "width.", part.sizeKey));
  out.Float(part.taper);
  return true;
}

// key -> animation name for a body of this skeleton.
std::vector<std::pair<std::string, std::string>> KeyMap(const FigureSource& source, const SkeletonSource& skeleton) {
  std::vector<std::pair<std::string, std::string>> map;
  if (!skeleton.keyMap.empty()) {
    for (const auto& [key, animation] : skeleton.keyMap) map.emplace_back(key, animation);
    return map;
  }
  const bool child = skeleton.name == "child";
  for (const AnimationSource& animation : source.animations)
    if (animation.model == "human") map.emplace_back(animation.name, child ? animation.childName : animation.name);
  return map;
}

class Compiler {
public:
  Compiler(const FigureSource& source, PeopleFileWriter& writer) : mSource(source), mWriter(writer) {}

  bool Run(std::string& error) {
    for (const BodySource& body : mSource.bodies)
      if (!Body(body, error)) return false;
    for (const AnimationSource& animation : mSource.animations) {
      if (animation.model == "human") {
        if (!Animation(animation.name, animation, "adult", error)) return false;
        if (!animation.childName.empty() && !Animation(animation.childName, animation, "child", error)) return false;
      } else if (!Animation(animation.name, animation, animation.model, error)) {
        return false;
      }
    }
    return true;
  }

private:
  bool Unique(std::set<std::string>& seen, const std::string& name, std::string& error) {
    if (name.size() < 4 || !seen.insert(name.substr(0, 3)).second) {
      error = "\"" + name + "\": names need four characters and first three letters of their own";
      return false;
    }
    return true;
  }

  bool Body(const BodySource& body, std::string& error) {
    const SkeletonSource* skeleton = mSource.FindSkeleton(body.skeleton);
    if (!skeleton) {
      error = "body " + body.name + ": no skeleton \"" + body.skeleton + "\"";
      return false;
    }
    if (!Unique(mBodyNames, body.name, error)) return false;
    const std::vector<FigurePart>& parts = FigureParts(skeleton->model);
    BigEndianWriter records;
    for (size_t i = 0; i < parts.size(); ++i)
      if (!PartRecord(body, *skeleton, parts[i], static_cast<int>(i), records, error)) return false;
    BigEndianWriter lookup;
    const auto keys = KeyMap(mSource, *skeleton);
    for (const auto& [key, animation] : keys) {
      lookup.U32(Code(key));
      lookup.U32(Code(animation));
    }
    const auto columns = static_cast<uint16_t>(parts.size());
    mWriter.AddResource("BODC", mBodyId++, body.name, Header(columns));
    mWriter.AddArray("ARCP", mArrayId++, ArrayName(body.name, 'c'), 40, 1, columns, records.Result());
    mWriter.AddArray("ARLU", mArrayId++, ArrayName(body.name, 'L'), 8, 1, static_cast<uint16_t>(keys.size()),
                     lookup.Result());
    return true;
  }

  bool Animation(const std::string& name, const AnimationSource& animation, const std::string& skeletonName,
                 std::string& error) {
    const SkeletonSource* skeleton = mSource.FindSkeleton(skeletonName);
    if (!skeleton || animation.frames.empty()) {
      error = "animation " + name + ": no skeleton \"" + skeletonName + "\" or no frames";
      return false;
    }
    if (!Unique(mAnimationNames, name, error)) return false;
    BigEndianWriter frames;
    for (const FigureValues& frame : animation.frames) {
      std::vector<PartPoints> points;
      if (!PoseFigure(skeleton->model, skeleton->sizes, frame, points, error)) return false;
      for (const PartPoints& part : points) {
        PointBytes(part.start, frames);
        PointBytes(part.end, frames);
      }
    }
    const auto columns = static_cast<uint16_t>(FigureParts(skeleton->model).size());
    mWriter.AddResource("ANIP", mAnimationId++, name, Header(static_cast<uint32_t>(animation.frames.size())));
    mWriter.AddArray("ARPP", mArrayId++, ArrayName(name, 'i'), 8, static_cast<uint16_t>(animation.frames.size()),
                     columns, frames.Result());
    return true;
  }

  const FigureSource& mSource;
  PeopleFileWriter& mWriter;
  std::set<std::string> mBodyNames;
  std::set<std::string> mAnimationNames;
  int16_t mBodyId = kFirstItemId;
  int16_t mAnimationId = kFirstItemId;
  int16_t mArrayId = kFirstArrayId;
};

bool ReadText(const std::string& path, std::string& text) {
  std::ifstream in(path);
  if (!in) return false;
  std::stringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return true;
}

bool ReadSources(const std::string& folder, FigureSource& source, std::string& error) {
  for (const char* name : {"skeletons.txt", "bodies.txt", "animations.txt"}) {
    std::string text;
    if (!ReadText(folder + "/people/" + name, text)) {
      error = "cannot read people/" + std::string(name);
      return false;
    }
    if (!ParseFigureSource(text, name, source, error)) return false;
  }
  return true;
}

}  // namespace

bool CompileFigures(const FigureSource& source, PeopleFileWriter& writer, std::string& error) {
  return Compiler(source, writer).Run(error);
}

std::vector<uint8_t> BuildPrivAnimFile(const std::string& sourceFolder, std::string& error) {
  FigureSource source;
  PeopleFileWriter writer;
  if (!ReadSources(sourceFolder, source, error) || !CompileFigures(source, writer, error)) return {};
  std::vector<uint8_t> bytes = writer.Build();
  if (bytes.empty()) error = "the figures do not fit a resource file";
  return bytes;
}

bool WritePrivAnimFile(const std::string& sourceFolder, const std::string& outputPath, std::string& error) {
  const std::vector<uint8_t> bytes = BuildPrivAnimFile(sourceFolder, error);
  if (bytes.empty()) return false;
  std::ofstream out(outputPath, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (out) return true;
  error = "cannot write " + outputPath;
  return false;
}
