#include <string>

#include "BodyRasterFixture.h"
#include "X/Body/BodyLists.h"
#include "X/Body/FaceTable.h"
#include "peoplefiles/FigureCompiler.h"
#include "peopleview/FigureView.h"
#include "support/TempFolder.h"

namespace {

const char* const kBodies[] = {"Blon", "2blo", "Woma", "2wom", "Chil", "5man", "fatm", "BLUE", "SUIT",
                               "SHAD", "5.5m", "2DOG", "Medi", "Fire", "Kopp", "Badg", "Agnt", "Coww"};
// The keys the people ask every body for; the dog also knows its own two.
const char* const kKeys[] = {"NoMo", "1Wal", "1Run", "Tote", "FaCl", "Whoa", "2Gab",
                             "BowP", "HipH", "Thro", "Wave", "Hurt", "Carr", "Hand"};
const char* const kDogKeys[] = {"DgSt", "DgRn"};

uint32_t Code(const std::string& name) {
  uint32_t code = 0;
  for (char c : name) code = code << 8 | static_cast<uint8_t>(c);
  return code;
}

// The data set's figures, compiled from data/people and loaded.
class GeneratedFigures : public BodyRasterTest {
protected:
  void SetUp() override {
    BodyRasterTest::SetUp();
    std::string error;
    const std::vector<uint8_t> bytes = BuildPrivAnimFile(HALVORINE_SOURCE_DATA, error);
    ASSERT_FALSE(bytes.empty()) << error;
    mFolder.Write("PrivAnim.df", std::string(bytes.begin(), bytes.end()));
    LoadBodies(mFolder.Game("PrivAnim.df"));
  }
  void TearDown() override {
    DeleteAllBodies();
    BodyRasterTest::TearDown();
  }

  TempFolder mFolder;
};

TEST_F(GeneratedFigures, LoadWithoutAnAssertion) {
  EXPECT_TRUE(mAsserts.empty()) << mAsserts.front();
  EXPECT_EQ(gBodies->Count(), 18);
  EXPECT_EQ(gPrivAnims->Count(), 30);
  EXPECT_EQ(Array2D::LoadedCount(), 0);
}

TEST_F(GeneratedFigures, EveryBodyResolvesEveryKey) {
  for (const char* name : kBodies) {
    const bBody* body = FindBody(Code(name));
    ASSERT_NE(body, nullptr) << name;
    for (const char* key : kKeys) {
      const bPrivAnim* anim = GetPrivAnim(body, Code(key));
      ASSERT_NE(anim, nullptr) << name << " " << key;
      EXPECT_EQ(anim->ColumnCount(), body->PartCount()) << name << " " << key;
    }
  }
  for (const char* key : kDogKeys) EXPECT_NE(GetPrivAnim(FindBody(Code("2DOG")), Code(key)), nullptr) << key;
  EXPECT_TRUE(mAsserts.empty());
}

// At depth 6.0 at full resolution no disc reaches 52 pixels and no limb 26.
TEST_F(GeneratedFigures, NoPartIsTooLargeFromDepthSixOn) {
  const float scale = FigureScale(6.0f, true);
  for (const char* name : kBodies) {
    const bBody* body = FindBody(Code(name));
    for (int32_t i = 0; i < body->PartCount(); ++i) {
      const BodyPart part = body->Part(i);
      EXPECT_EQ(part.FramePart(), i) << name;
      switch (part.Kind()) {
        case kPartShadedDisc:
        case kPartStripedDisc:
        case kPartPlainDisc: EXPECT_LT(static_cast<int>(part.Size() * scale * 1.8f), 52) << name << " part " << i; break;
        case kPartFace: EXPECT_LE(static_cast<int>(part.Size() * scale), 33) << name; break;
        case kPartTaperedLimb:
        case kPartStraightLimb:
          EXPECT_LT(static_cast<int>(part.Width() * scale), 26) << name << " part " << i;
          EXPECT_GT(static_cast<int>(part.Width() * scale), 0) << name << " part " << i;
          break;
        default: break;
      }
    }
  }
}

TEST_F(GeneratedFigures, PosesMatchTheirImages) {
  struct Cell {
    const char* body;
    const char* key;
    int32_t frame;
    int32_t facing;
  } cells[] = {{"Blon", "1Wal", 2, 1}, {"Kopp", "1Run", 2, 2}, {"Fire", "Wave", 1, 0}, {"Medi", "Thro", 1, 7},
               {"Chil", "1Wal", 6, 6},  {"2DOG", "DgRn", 1, 2}, {"fatm", "BowP", 2, 2}, {"Woma", "Hurt", 0, 1}};
  constexpr int32_t kCell = 100;
  UseFrame(8 * kCell, 120, false);
  for (int32_t i = 0; i < 8; ++i) {
    FigurePicture picture(kCell, 120, 211);
    const FigurePose pose{Code(cells[i].body), Code(cells[i].key), cells[i].frame, cells[i].facing, 30.0f, true};
    ASSERT_TRUE(DrawFigure(picture, pose, kCell / 2, 110 - static_cast<int32_t>(21 * FigureScale(30.0f, true))));
    for (int32_t y = 0; y < 120; ++y)
      for (int32_t x = 0; x < kCell; ++x) Byte(i * kCell + x, y) = picture.pixels[static_cast<size_t>(y) * kCell + x];
  }
  EXPECT_TRUE(MatchesGoldenImage(Frame(), GamePalette(), "people-generated-poses"));
}

}  // namespace
