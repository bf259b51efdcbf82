#pragma once
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "BodyRasterFixture.h"
#include "X/Body/BodyLists.h"
#include "peoplefiles/BigEndianWriter.h"
#include "peoplefiles/PeopleFileWriter.h"
#include "platform/MessageBox.h"
#include "support/TempFolder.h"

// One part record as the file holds it.
struct PartSpec {
  int8_t kind;
  uint8_t framePart;
  uint8_t ramp;
  int8_t detail;
  uint8_t fixed;
  std::string code;
  std::string parent;  // empty for none
  float size;
  float width;
  float taper;
};

// A frame-part entry: start x, z, y, extra; end x, z, y, extra.
using FrameEntry = std::array<int8_t, 8>;

inline uint32_t NameCode(const std::string& name) {
  uint32_t code = 0;
  for (size_t i = 0; i < 4; ++i) code = code << 8 | static_cast<uint8_t>(i < name.size() ? name[i] : 0);
  return code;
}

// A body test with "PrivAnim.df" files made by the people file writer, and the message boxes
// answered Ignore and counted.
class BodyFileTest : public BodyRasterTest {
protected:
  void SetUp() override {
    BodyRasterTest::SetUp();
    platform::SetMessageBoxHandler([this](const std::string& text, const std::string& caption, uint32_t) {
      mBoxes.push_back(caption + ": " + text);
      return static_cast<int>(platform::IDIGNORE);
    });
  }
  void TearDown() override {
    DeleteAllBodies();
    platform::SetMessageBoxHandler(nullptr);
    BodyRasterTest::TearDown();
  }

  static std::vector<uint8_t> PartBytes(const std::vector<PartSpec>& parts) {
    BigEndianWriter out;
    for (const PartSpec& p : parts) {
      out.U8(static_cast<uint8_t>(p.kind));
      out.U8(0);
      out.U8(p.framePart);
      out.U8(p.ramp);
      out.U8(static_cast<uint8_t>(p.detail));
      out.U8(p.fixed);
      out.U16(0);
      out.U32(NameCode(p.code));
      out.U32(p.parent.empty() ? 0 : NameCode(p.parent));
      out.Zeros(12);
      out.Float(p.size);
      out.Float(p.width);
      out.Float(p.taper);
    }
    return out.Result();
  }

  void AddBody(const std::string& name, const std::vector<PartSpec>& parts,
               const std::vector<std::pair<std::string, std::string>>& lookup) {
    BigEndianWriter entries;
    for (const auto& [key, animation] : lookup) {
      entries.U32(NameCode(key));
      entries.U32(NameCode(animation));
    }
    mWriter.AddResource("BODC", mNextId, name, std::vector<uint8_t>(64, 0));
    mWriter.AddArray("ARCP", mNextId + 1000, name.substr(0, 3) + "c", 40, 1, static_cast<uint16_t>(parts.size()),
                     PartBytes(parts));
    mWriter.AddArray("ARLU", mNextId + 2000, name.substr(0, 3) + "L", 8, 1, static_cast<uint16_t>(lookup.size()),
                     entries.Result());
    ++mNextId;
  }

  // Frames of an animation, each a row of entries (one per column).
  void AddAnimation(const std::string& name, const std::vector<std::vector<FrameEntry>>& frames, uint16_t columns) {
    std::vector<uint8_t> bytes;
    for (const auto& frame : frames)
      for (const FrameEntry& entry : frame) bytes.insert(bytes.end(), entry.begin(), entry.end());
    mWriter.AddResource("ANIP", mNextId, name, std::vector<uint8_t>(64, 0));
    mWriter.AddArray("ARPP", mNextId + 3000, name.substr(0, 3) + "i", 8, static_cast<uint16_t>(frames.size()),
                     columns, bytes);
    ++mNextId;
  }

  void Load() {
    const std::vector<uint8_t> bytes = mWriter.Build();
    mFolder.Write("PrivAnim.df", std::string(bytes.begin(), bytes.end()));
    LoadBodies(mFolder.Game("PrivAnim.df"));
  }

  PeopleFileWriter mWriter;
  TempFolder mFolder;
  std::vector<std::string> mBoxes;
  int16_t mNextId = 128;
};
