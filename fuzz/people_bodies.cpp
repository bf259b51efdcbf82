// The people's figures: "PrivAnim.df" loaded as the people start, every key looked up in
// every body, every body drawn in every animation and frame (up to four, and one past the end)
// at a few turns into a small frame, then everything deleted again.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzFolder.h"
#include "PeopleFuzz.h"
#include "X/Body/BodyFaceDraw.h"
#include "X/Body/BodyLists.h"
#include "X/Body/BodyRaster.h"
#include "X/Body/DrawBody.h"
#include "X/Body/FaceTable.h"
#include "X/Body/RoundedSquareRoots.h"
#include "peoplefiles/FaceBitmapGroup.h"

namespace {

constexpr int32_t kWidth = 96;
constexpr int32_t kHeight = 72;
constexpr int32_t kMostItems = 24;
constexpr int32_t kMostFrames = 4;
constexpr uint32_t kKeys[] = {0x4E6F4D6F /* NoMo */, 0x3157616C /* 1Wal */, 0x44675374 /* DgSt */, 0};

void Prepare(std::vector<uint8_t>& frame) {
  static const bool prepared = [] {
    IgnorePeopleAssertions();
    platform::SetMessageBoxHandler(
        [](const std::string&, const std::string&, uint32_t) { return static_cast<int>(platform::IDIGNORE); });
    FillRoundedSquareRoots();
    static FaceBitmapGroup faces;
    SetBodyFaceGroup(faces.Group());
    return true;
  }();
  (void)prepared;
  gBodyRaster = {frame.data(), kWidth, kWidth - 1, kHeight - 1, true};
}

void DrawEveryPose(bBody* body) {
  int32_t animations = 0;
  for (bPrivAnim* anim : gPrivAnims->Items()) {
    if (++animations > kMostItems) break;
    const int32_t frames = anim->FrameCount() < kMostFrames ? anim->FrameCount() : kMostFrames;
    // Frames alternate between a small figure in the middle and a large one at the edge.
    for (int32_t frame = 0; frame <= frames; ++frame) {
      if (frame % 2 == 0)
        DrawBody(body, 0.3f, static_cast<float>(frame), anim, frame, kWidth / 2, kHeight / 2, 2.0f, 7, frame);
      else
        DrawBody(body, 6.0f, -20.0f, anim, frame, 3, kHeight - 2, 11.7f, 3, 0);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> frame(static_cast<size_t>(kWidth) * kHeight);
  Prepare(frame);
  LoadBodies(WriteFuzzFile("PrivAnim.df", data, size));
  int32_t bodies = 0;
  for (bBody* body : gBodies->Items()) {
    if (++bodies > kMostItems) break;
    body->SetFace(kFaceTable[static_cast<size_t>(bodies) % kFaceTable.size()]);
    for (uint32_t key : kKeys) GetPrivAnim(body, key);
    if (Array2D* lookup = body->Lookup())
      for (int32_t column = 0; column < lookup->Columns() && column < kMostItems; ++column)
        GetPrivAnim(body, ReadPartField<uint32_t>(lookup->Entry(0, column), 0));
    DrawEveryPose(body);
  }
  DeleteAllBodies();
  gBodyRaster = {};
  CheckPeopleLibraryIsEmpty();
  return 0;
}
