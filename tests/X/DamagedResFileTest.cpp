#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "ResFileFixture.h"
#include "X/File/ResFile.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct DamageCase {
  const char* what;
  std::function<void(Bytes&, const FileLayout&)> damage;
  const char* rule;
  int16_t code;
};

void Put32(Bytes& bytes, uint32_t at, uint32_t value) { platform::WriteBE32(bytes.data() + at, value); }
void Put16(Bytes& bytes, uint32_t at, uint16_t value) { platform::WriteBE16(bytes.data() + at, value); }
void Put24(Bytes& bytes, uint32_t at, uint32_t value) { platform::WriteBE24(bytes.data() + at, value); }

class DamagedOpenTest : public ResFileTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedOpenTest, TheOpenFailsNamingTheRule) {
  const DamageCase& c = GetParam();
  Bytes bytes = SampleWriter().Build();
  FileLayout layout(bytes);
  c.damage(bytes, layout);
  ResFile file;
  EXPECT_EQ(file.Open(Save(bytes).c_str()), c.code);
  EXPECT_EQ(file.GetError(), c.code);
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(file.Name()[0], 0);
  EXPECT_TRUE(Asserted(c.rule)) << (mAsserts.empty() ? "no assertion" : mAsserts.front());
  EXPECT_EQ(ResMap::Count(), 0);
}

const DamageCase kDamagedOpens[] = {
    {"header cut", [](Bytes& b, const FileLayout&) { b.resize(10); }, "resource file header cut short",
     kFileShortRead},
    {"data offset 255", [](Bytes& b, const FileLayout&) { Put32(b, 0, 255); }, "unheard of resource offset",
     kFileIoError},
    {"map offset at the data", [](Bytes& b, const FileLayout&) { Put32(b, 4, 256); }, "file too big", kFileIoError},
    {"map offset at the limit", [](Bytes& b, const FileLayout&) { Put32(b, 4, 0x600000); }, "file too big",
     kFileIoError},
    {"map length 0", [](Bytes& b, const FileLayout&) { Put32(b, 12, 0); }, "map size too large", kFileIoError},
    {"map length at the limit", [](Bytes& b, const FileLayout&) { Put32(b, 12, 0x600000); }, "map size too large",
     kFileIoError},
    {"map length 29", [](Bytes& b, const FileLayout&) { Put32(b, 12, 29); }, "map too small for its header",
     kFileIoError},
    {"map past the end", [](Bytes& b, const FileLayout&) { b.pop_back(); }, "map past the end of the file",
     kFileIoError},
    {"type count too large", [](Bytes& b, const FileLayout& l) { Put16(b, l.typeCountAt, 40); },
     "type list past the end of the map", kFileIoError},
    {"reference count too large", [](Bytes& b, const FileLayout& l) { Put16(b, l.TypeAt(1) + 4, 30); },
     "reference lists past the end of the map", kFileIoError},
    {"reference list inside the type list", [](Bytes& b, const FileLayout& l) { Put16(b, l.TypeAt(0) + 6, 2); },
     "reference list outside the reference area", kFileIoError},
    {"reference list between entries", [](Bytes& b, const FileLayout& l) { Put16(b, l.TypeAt(1) + 6, 2 + 16 + 14); },
     "reference list outside the reference area", kFileIoError},
    {"reference list past the last entry",
     [](Bytes& b, const FileLayout& l) { Put16(b, l.TypeAt(1) + 6, 2 + 16 + 12 * 3); },
     "reference list outside the reference area", kFileIoError},
    {"name offset past the names", [](Bytes& b, const FileLayout& l) { Put16(b, l.ReferenceAt(0) + 2, 500); },
     "name past the end of the map", kFileIoError},
    {"name offset -2", [](Bytes& b, const FileLayout& l) { Put16(b, l.ReferenceAt(0) + 2, 0xFFFE); },
     "bad name offset", kFileIoError},
    {"name longer than the names", [](Bytes& b, const FileLayout& l) { b[l.ReferenceAt(3) + 5] = 200; },
     "name past the end of the map", kFileIoError},
    {"data offset past the file", [](Bytes& b, const FileLayout& l) { Put24(b, l.ReferenceAt(1) + 5, 0xFFFFF0); },
     "resource data offset past the end of the file", kFileIoError},
};

INSTANTIATE_TEST_SUITE_P(Rules, DamagedOpenTest, ::testing::ValuesIn(kDamagedOpens),
                         [](const ::testing::TestParamInfo<DamageCase>& info) {
                           std::string name;
                           for (const char* c = info.param.what; *c; ++c)
                             if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                           return name;
                         });

// The length word of the first resource ("Walk", 4 bytes) lies at 256.
struct LengthCase {
  const char* what;
  uint32_t length;
  const char* rule;
  int32_t code;
};

class DamagedLengthTest : public ResFileTest, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(DamagedLengthTest, TheLookUpFailsAndKeepsNoHandle) {
  const LengthCase& c = GetParam();
  Bytes bytes = SampleWriter().Build();
  Put32(bytes, kResDataOffset, c.length);
  ResFile file;
  ASSERT_EQ(file.Open(Save(bytes).c_str()), 0);
  size_t handles = LiveHandleCount();
  EXPECT_EQ(file.GetResource(kBhav, 128, [](uint8_t*, uint32_t) { FAIL() << "nothing to swizzle"; }), nullptr);
  EXPECT_EQ(file.GetError(), c.code);
  EXPECT_TRUE(Asserted(c.rule));
  EXPECT_EQ(LiveHandleCount(), handles);
  EXPECT_NE(file.GetResource(kStrings, 200, nullptr), nullptr) << "the other resources stay readable";
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, DamagedLengthTest,
    ::testing::Values(LengthCase{"negative", 0xFFFFFFFC, "bad size in res. map", kFileIoError},
                      LengthCase{"past the file", 4000, "resource past the end of the file", kFileShortRead},
                      LengthCase{"huge", 0x7FFFFFFF, "resource past the end of the file", kFileShortRead}));

TEST_F(ResFileTest, AHugeLengthIsReportedBeforeItIsRefused) {
  Bytes bytes = SampleWriter().Build();
  Put32(bytes, kResDataOffset, 8000000);
  ResFile file;
  ASSERT_EQ(file.Open(Save(bytes).c_str()), 0);
  EXPECT_EQ(file.GetResource(kBhav, 128, nullptr), nullptr);
  EXPECT_TRUE(Asserted("reading a resource of 8 megs--just letting you know"));
}

TEST_F(ResFileTest, AResourceOfTheLastBytesOfTheFileLoads) {
  // The data offset of the last resource moved to the map's last 9 bytes: length 5 and five
  // bytes that end the file.
  Bytes bytes = SampleWriter().Build();
  FileLayout layout(bytes);
  uint32_t at = static_cast<uint32_t>(bytes.size()) - 9;
  Put32(bytes, at, 5);
  Put24(bytes, layout.ReferenceAt(2) + 5, at - kResDataOffset);
  ResFile file;
  ASSERT_EQ(file.Open(Save(bytes).c_str()), 0);
  Handle handle = file.GetResource(kStrings, 200, nullptr);
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(GetHandleSize(handle), 5u);
}

}  // namespace
