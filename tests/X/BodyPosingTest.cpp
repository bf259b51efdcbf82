#include <climits>
#include <cmath>

#include "BodyFileFixture.h"
#include "X/Body/DrawBody.h"
#include "X/Body/FaceTable.h"
#include "X/Body/FramePartTable.h"
#include "X/File/ArrayTable.h"

namespace {

constexpr float kPi = 3.14159265f;

TEST(BodyProjection, TurnsTiltsScalesAndDividesByDepth) {
  struct Case {
    const char* what;
    float x, y, z, angle1, angle2, scale;
    ProjectedPoint expected;
  } cases[] = {
      {"straight on, scaled", 10, -5, 0, 0, 0, 2, {20, -10, 0}},
      {"depth -1000 is not divided", 3, 4, -500, 0, 0, 2, {6, 8, -1000}},
      {"depth -999 is divided by 1", 3, 4, -999, 0, 0, 1, {3000, 4000, -999}},
      {"depth 1000 halves", 10, 6, 1000, 0, 0, 1, {5, 3, 1000}},
      {"a quarter turn moves x into depth", 10, 0, 0, 0, kPi / 2, 1, {0, 0, 10}},
      {"a quarter tilt moves depth into y", 0, 0, 10, kPi / 2, 0, 1, {0, 10, 0}},
      {"beyond 16 bits stops at the end", 100, 0, 0, 0, 0, 1000, {32767, 0, 0}},
  };
  for (const Case& c : cases) {
    const ProjectedPoint p = ProjectFramePoint(c.x, c.y, c.z, std::sin(c.angle1), std::cos(c.angle1),
                                               std::sin(c.angle2), std::cos(c.angle2), c.scale);
    EXPECT_EQ(p.x, c.expected.x) << c.what;
    EXPECT_EQ(p.y, c.expected.y) << c.what;
    EXPECT_EQ(p.depth, c.expected.depth) << c.what;
  }
}

TEST(BodyColours, RampShiftAndFixedColour) {
  struct Case {
    uint8_t ramp;
    int32_t shift;
    bool fixed;
    int32_t index;
  } cases[] = {
      {13, 3, false, 68}, {13, 3, true, 244}, {13, 0, false, 244}, {12, 5, true, 228},
      {0, 0, false, 36},  {5, 14, false, 116}, {14, 0, false, -1}, {200, 0, true, -1},
      {13, INT32_MAX, false, 36},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PartColour(c.ramp, c.shift, c.fixed), c.index) << int(c.ramp) << " shift " << c.shift;
}

// One plain disc (size 1, drawn 18 pixels across at scale 10) in part slot 0, and a key.
class OneDiscBody : public BodyFileTest {
protected:
  void MakeBody(int8_t detail, uint8_t ramp = 5) {
    AddBody("Disk", {{14, 0, ramp, detail, 1, "ball", "", 1.0f, 1.0f, 0}}, {{"NoMo", "Stil"}});
    AddAnimation("Stil", {{FrameEntry{0, 0, 0, 0, 0, 0, 0, 0}}}, 1);
    Load();
  }
  void Draw(int32_t mask, int32_t frame = 0) {
    bBody* body = FindBody(NameCode("Disk"));
    DrawBody(body, 0, 0, GetPrivAnim(body, NameCode("NoMo")), frame, 32, 24, 10.0f, mask, 0);
  }
};

TEST_F(OneDiscBody, DetailMasksChooseTheParts) {
  const int32_t cases[][3] = {{2, 1, 0}, {2, 3, 1}, {7, 4, 1}, {1, 2, 0}, {3, 3, 1}};
  for (const auto& [detail, mask, drawn] : cases) {
    DeleteAllBodies();
    mWriter = PeopleFileWriter();
    MakeBody(static_cast<int8_t>(detail));
    UseFrame(64, 48, false);
    Draw(mask);
    EXPECT_EQ(DrawnCount() > 0, drawn == 1) << "detail " << detail << " mask " << mask;
  }
  EXPECT_TRUE(mAsserts.empty());
}

TEST_F(OneDiscBody, FramesOutsideTheAnimationDrawNothing) {
  MakeBody(7);
  Draw(7, 1);
  Draw(7, -1);
  EXPECT_EQ(DrawnCount(), 0);
  Draw(7, 0);
  EXPECT_GT(DrawnCount(), 0);
}

TEST_F(OneDiscBody, AColourOutsideThePaletteIsSkipped) {
  MakeBody(7, 20);
  Draw(7);
  EXPECT_EQ(DrawnCount(), 0);
  EXPECT_TRUE(Asserted("out of range color"));
}

TEST_F(BodyFileTest, FartherPartsAreDrawnFirst) {
  // Two discs at one screen point, the blue one 20 units nearer; record order puts it first.
  AddBody("Pair", {{14, 0, 3, 7, 1, "near", "", 1.0f, 0, 0}, {14, 1, 4, 7, 1, "far ", "", 1.5f, 0, 0}},
          {{"NoMo", "Pose"}});
  AddAnimation("Pose", {{FrameEntry{0, -20, 0, 0, 0, 0, 0, 0}, FrameEntry{0, 20, 0, 0, 0, 0, 0, 0}}}, 2);
  Load();
  bBody* body = FindBody(NameCode("Pair"));
  DrawBody(body, 0, 0, GetPrivAnim(body, NameCode("NoMo")), 0, 32, 24, 6.0f, 7, 0);
  EXPECT_EQ(At(32, 24), PartColour(3, 0, true));
  EXPECT_EQ(At(32, 17), PartColour(4, 0, true));
}

TEST_F(BodyFileTest, ChildrenStartAtTheirParentsEnd) {
  // A limb from (0, 0) to (2, 0) frame units; a dot whose own point is (0, 2) but whose parent
  // is the limb, and one whose parent code no part has.
  AddBody("Arms", {{11, 0, 4, 7, 1, "limb", "", 0, 0.5f, 0},
                   {12, 1, 3, 7, 1, "hand", "limb", 0, 0, 0},
                   {12, 2, 2, 7, 1, "lost", "none", 0, 0, 0}},
          {{"NoMo", "Arm1"}});
  AddAnimation("Arm1",
               {{FrameEntry{0, 0, 0, 0, 2, 0, 0, 0}, FrameEntry{0, 0, 2, 0, 0, 0, 0, 0},
                 FrameEntry{1, 0, 2, 0, 0, 0, 0, 0}}},
               3);
  Load();
  bBody* body = FindBody(NameCode("Arms"));
  ASSERT_NE(body, nullptr);
  EXPECT_NE(body->Parent(1), nullptr);
  EXPECT_EQ(body->Parent(2), nullptr);
  DrawBody(body, 0, 0, GetPrivAnim(body, NameCode("NoMo")), 0, 20, 20, 10.0f, 7, 0);
  EXPECT_EQ(At(40, 20), PartColour(3, 0, true));  // the hand at the limb's end, (2, 0) x 10
  EXPECT_EQ(At(30, 40), PartColour(2, 0, true));  // the lost dot at its own (1, 2) x 10
  EXPECT_EQ(At(20, 40), kBackground);             // not at the hand's own point
  activatepartpointers(body, false);
  EXPECT_EQ(body->Parent(1), nullptr);
  activatepartpointers(nullptr, true);
  EXPECT_TRUE(Asserted("body parts not initialized before trying to activate (or deactivate) pointers"));
}

TEST_F(BodyFileTest, AnEarlierBodysPointsDoNotLeakIntoALaterOne) {
  // The first body sets slot 5's end; the second's dot in slot 1 names a parent in slot 5
  // that this draw skips by its detail mask, so the dot must project its own point.
  AddBody("Frst", {{11, 5, 4, 7, 1, "limb", "", 0, 0.5f, 0}}, {{"NoMo", "Wide"}});
  AddBody("Scnd", {{11, 5, 4, 4, 1, "limb", "", 0, 0.5f, 0}, {12, 1, 3, 7, 1, "dot ", "limb", 0, 0, 0}},
          {{"NoMo", "Wide"}});
  std::vector<FrameEntry> row(6, FrameEntry{0, 0, 0, 0, 0, 0, 0, 0});
  row[5] = FrameEntry{0, 0, 0, 0, 3, 0, 0, 0};
  row[1] = FrameEntry{0, 0, 2, 0, 0, 0, 0, 0};
  AddAnimation("Wide", {row}, 6);
  Load();
  const bPrivAnim* anim = GetPrivAnim(FindBody(NameCode("Frst")), NameCode("NoMo"));
  DrawBody(FindBody(NameCode("Frst")), 0, 0, anim, 0, 10, 10, 10.0f, 7, 0);
  UseFrame(64, 48, false);
  DrawBody(FindBody(NameCode("Scnd")), 0, 0, anim, 0, 10, 10, 10.0f, 3, 0);
  EXPECT_EQ(At(10, 30), PartColour(3, 0, true));
  EXPECT_EQ(DrawnCount(), 1);
}

TEST_F(BodyFileTest, PartsWhoseColumnIsNotThereAreSkipped) {
  AddBody("Cols", {{12, 0, 3, 7, 1, "one ", "", 0, 0, 0}, {12, 1, 3, 7, 1, "two ", "", 0, 0, 0},
                   {12, 200, 3, 7, 1, "far ", "", 0, 0, 0}},
          {{"NoMo", "Nrrw"}});
  AddAnimation("Nrrw", {{FrameEntry{0, 0, 0, 0, 0, 0, 0, 0}}}, 1);
  AddBody("None", {{12, 0, 3, 7, 1, "one ", "", 0, 0, 0}}, {{"NoMo", "Empt"}});
  AddAnimation("Empt", {{}}, 0);
  Load();
  bBody* body = FindBody(NameCode("Cols"));
  DrawBody(body, 0, 0, GetPrivAnim(body, NameCode("NoMo")), 0, 10, 10, 10.0f, 7, 0);
  EXPECT_EQ(DrawnCount(), 1);
  UseFrame(64, 48, false);
  bBody* none = FindBody(NameCode("None"));
  DrawBody(none, 0, 0, GetPrivAnim(none, NameCode("NoMo")), 0, 10, 10, 10.0f, 7, 0);
  EXPECT_EQ(DrawnCount(), 0);
}

TEST_F(BodyFileTest, ItemsOwnTheArraysNamedAfterThem) {
  AddBody("ABCd", {{12, 0, 3, 7, 1, "dot ", "", 0, 0, 0}}, {{"NoMo", "WXYz"}});
  AddAnimation("WXYz", {{FrameEntry{}}, {FrameEntry{}}}, 1);
  Load();
  bBody* body = FindBody(NameCode("ABCd"));
  ASSERT_NE(body, nullptr);
  EXPECT_EQ(body->Parts(), sArrayTable::Find(NameCode("ABCc")));
  EXPECT_EQ(body->Lookup(), sArrayTable::Find(NameCode("ABCL")));
  const bPrivAnim* anim = GetPrivAnim(body, NameCode("NoMo"));
  ASSERT_NE(anim, nullptr);
  EXPECT_EQ(anim->Frames(), sArrayTable::Find(NameCode("WXYi")));
  EXPECT_EQ(anim->FrameCount(), 2);
  EXPECT_EQ(Array2D::LoadedCount(), 0);
  EXPECT_TRUE(mAsserts.empty());
  DeleteAllBodies();
  EXPECT_EQ(sArrayTable::Count(), 0);
}

TEST_F(BodyFileTest, AMissingArrayIsMadeEmpty) {
  mWriter.AddResource("BODC", 200, "Bare", std::vector<uint8_t>(64, 0));
  mWriter.AddResource("ANIP", 201, "Gone", std::vector<uint8_t>(64, 0));
  Load();
  bBody* body = FindBody(NameCode("Bare"));
  ASSERT_NE(body, nullptr);
  EXPECT_TRUE(Asserted("didn't find array on disk--will go ahead and create"));
  EXPECT_EQ(body->PartCount(), 0);
  EXPECT_EQ(GetPrivAnim(body, NameCode("NoMo")), nullptr);
  DrawBody(body, 0, 0, gPrivAnims->FindByCode(NameCode("Gone")), 0, 10, 10, 10.0f, 7, 0);
  EXPECT_EQ(DrawnCount(), 0);
}

TEST_F(BodyFileTest, NamesNeedThreeLettersOfTheirOwn) {
  AddBody("ABCd", {{12, 0, 3, 7, 1, "dot ", "", 0, 0, 0}}, {});
  mWriter.AddResource("BODC", 300, "ABCe", std::vector<uint8_t>(64, 0));
  Load();
  EXPECT_TRUE(Asserted("the first 3 letters of a body's name must be unique"));
  EXPECT_EQ(gBodies->Count(), 1);
}

TEST_F(BodyFileTest, LookupsTakeTheFirstMatch) {
  AddBody("Look", {{12, 0, 3, 7, 1, "dot ", "", 0, 0, 0}},
          {{"1Wal", "Frst"}, {"1Wal", "Scnd"}, {"1Run", "Scnd"}, {"Lost", "Absn"}});
  AddAnimation("Frst", {{FrameEntry{}}}, 1);
  AddAnimation("Scnd", {{FrameEntry{}}}, 1);
  Load();
  bBody* body = FindBody(NameCode("Look"));
  const struct {
    const char* key;
    const char* animation;
  } cases[] = {{"1Wal", "Frst"}, {"1Run", "Scnd"}, {"NoMo", nullptr}, {"Lost", nullptr}};
  for (const auto& c : cases) {
    const bPrivAnim* anim = GetPrivAnim(body, NameCode(c.key));
    EXPECT_EQ(anim ? anim->NameCode() : 0u, c.animation ? NameCode(c.animation) : 0u) << c.key;
  }
  EXPECT_TRUE(Asserted("couldn't get private animation"));
  EXPECT_EQ(GetPrivAnim(nullptr, NameCode("1Wal")), nullptr);
}

TEST_F(BodyFileTest, AMissingFileRaisesTheProgramErrorBox) {
  LoadBodies(mFolder.Game("PrivAnim.df"));
  ASSERT_EQ(mBoxes.size(), 1u);
  EXPECT_EQ(mBoxes[0], "Program Error: Unrecoverable Program Error. Select 'Retry' to debug the application.");
  EXPECT_EQ(FindBody(NameCode("Blon")), nullptr);
  DrawBody(nullptr, 0, 0, nullptr, 0, 10, 10, 10.0f, 7, 0);
  EXPECT_EQ(DrawnCount(), 0);
  // A file that is not a resource file is refused alike.
  mFolder.Write("PrivAnim.df", std::string(300, 'x'));
  LoadBodies(mFolder.Game("PrivAnim.df"));
  EXPECT_EQ(mBoxes.size(), 2u);
  EXPECT_EQ(gBodies->Count(), 0);
}

TEST_F(BodyFileTest, FacesTurnWithTheBody) {
  AddBody("Face", {{9, 0, 12, 7, 1, "head", "", 1.5f, 0, 0}}, {{"NoMo", "Look"}});
  AddAnimation("Look", {{FrameEntry{}}}, 1);
  Load();
  bBody* body = FindBody(NameCode("Face"));
  DrawBody(body, 0, 0, GetPrivAnim(body, NameCode("NoMo")), 0, 20, 20, 10.0f, 7, 0);
  EXPECT_TRUE(Asserted("must set face before drawing it"));
  EXPECT_EQ(DrawnCount(), 0);
  body->SetFace(kFaceTable[0]);
  DrawBody(body, 0, 1.5f * kPi, GetPrivAnim(body, NameCode("NoMo")), 0, 20, 20, 10.0f, 7, 0);
  const int32_t front = DrawnCount();
  EXPECT_GT(front, 0);
  DrawBody(body, 0, 0.5f * kPi, GetPrivAnim(body, NameCode("NoMo")), 0, 44, 20, 10.0f, 7, 0);
  // The back of the head is hair, the front is not.
  EXPECT_NE(At(20, 20), At(44, 20));
}

}  // namespace
