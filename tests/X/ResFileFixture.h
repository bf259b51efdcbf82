#pragma once
#include <string>
#include <vector>

#include "Drovane/FourCharCode.h"
#include "PeopleTest.h"
#include "X/File/FlatResFile.h"
#include "peoplefiles/PeopleFileWriter.h"
#include "platform/BigEndian.h"
#include "support/TempFolder.h"

constexpr uint32_t kBhav = FourCC("BHAV");
constexpr uint32_t kStrings = FourCC("STR#");

// A people test with a folder for resource files made by the writer.
class ResFileTest : public PeopleTest {
protected:
  // Two trees (one without a name) and a named string resource.
  static PeopleFileWriter SampleWriter() {
    PeopleFileWriter writer;
    writer.AddResource("BHAV", 128, "Walk", {1, 2, 3, 4});
    writer.AddResource("BHAV", 129, "", {5, 6});
    writer.AddResource("STR#", 200, "Labels", {'h', 'e', 'l', 'l', 'o'});
    return writer;
  }
  std::string Save(const std::vector<uint8_t>& bytes, const std::string& name = "People.df") const {
    mFolder.Write(name, std::string(bytes.begin(), bytes.end()));
    return mFolder.Game(name);
  }
  std::string SaveSample() const { return Save(SampleWriter().Build()); }

  TempFolder mFolder;
};

// Where the fields of a writer-made file lie.
struct FileLayout {
  explicit FileLayout(const std::vector<uint8_t>& bytes)
      : mapOffset(platform::ReadBE32(bytes.data() + 4)),
        typeCountAt(mapOffset + 28),
        typesAt(mapOffset + 30),
        typeCount(platform::ReadBE16(bytes.data() + typeCountAt) + 1u),
        referencesAt(typesAt + 8 * typeCount) {}
  uint32_t TypeAt(uint32_t index) const { return typesAt + 8 * index; }
  uint32_t ReferenceAt(uint32_t index) const { return referencesAt + 12 * index; }

  uint32_t mapOffset;
  uint32_t typeCountAt;
  uint32_t typesAt;
  uint32_t typeCount;
  uint32_t referencesAt;
};
