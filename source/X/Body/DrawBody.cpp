#include "X/Body/DrawBody.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "X/Body/BodyDiscs.h"
#include "X/Body/BodyFaceDraw.h"
#include "X/Body/BodyLimbs.h"
#include "X/Body/BodyNumbers.h"
#include "X/Body/BodyRaster.h"
#include "X/Body/FramePartTable.h"
#include "X/Body/bBody.h"
#include "X/Body/bPrivAnim.h"
#include "X/Y/XAssert.h"

namespace {

constexpr float kViewerDistance = 1000.0f;
constexpr float kDiscDiameterFactor = 1.8f;
constexpr int32_t kRamps = 14;

struct Pose {
  float sin1, cos1, sin2, cos2, scale;
};

// A point of a frame-part entry: x, z, y as signed bytes.
ProjectedPoint ProjectEntryPoint(const uint8_t* point, const Pose& pose) {
  const auto x = static_cast<float>(static_cast<int8_t>(point[0]));
  const auto z = static_cast<float>(static_cast<int8_t>(point[1]));
  const auto y = static_cast<float>(static_cast<int8_t>(point[2]));
  return ProjectFramePoint(x, y, z, pose.sin1, pose.cos1, pose.sin2, pose.cos2, pose.scale);
}

bool IsLimb(int8_t kind) { return kind == kPartTaperedLimb || kind == kPartStraightLimb; }

// The frame-part slot a part may use: below 128 and within the animation's columns.
bool UsableSlot(int32_t slot, const bPrivAnim& anim) { return slot >= 0 && slot < kFrameParts && slot < anim.ColumnCount(); }

// Projects one part into its slot and copies the result into the part record.
void PosePart(const bBody& body, int32_t index, const uint8_t* frameRow, const Pose& pose) {
  const BodyPart part = body.Part(index);
  FramePart& slot = gFramePartTable[static_cast<size_t>(part.FramePart())];
  const uint8_t* entry = frameRow + static_cast<ptrdiff_t>(part.FramePart()) * bPrivAnim::kFramePartSize;
  const uint8_t* parent = body.Parent(index);
  const FramePart* parentSlot = nullptr;
  if (parent) {
    // A signed byte: any index that is not negative is a slot of the table.
    const int8_t parentIndex = BodyPart{const_cast<uint8_t*>(parent)}.FramePart();
    if (parentIndex >= 0) parentSlot = &gFramePartTable[static_cast<size_t>(parentIndex)];
  }
  if (parentSlot && parentSlot->endSet) {
    slot.startX = parentSlot->endX;
    slot.startY = parentSlot->endY;
    slot.startDepth = parentSlot->endDepth;
  } else {
    const ProjectedPoint start = ProjectEntryPoint(entry, pose);
    slot.startX = start.x;
    slot.startY = start.y;
    slot.startDepth = start.depth;
  }
  slot.startSet = 1;
  if (part.Kind() == kPartFace) slot.faceTurn = static_cast<float>(static_cast<int8_t>(entry[3]));
  if (IsLimb(part.Kind())) {
    const ProjectedPoint end = ProjectEntryPoint(entry + 4, pose);
    slot.endX = end.x;
    slot.endY = end.y;
    slot.endDepth = end.depth;
    slot.endSet = 1;
  } else {
    // A one-point part sorts by its own depth.
    slot.endDepth = slot.startDepth;
  }
  using namespace part_record;
  WritePartField<int16_t>(part.bytes, kStartPoint, slot.startY);
  WritePartField<int16_t>(part.bytes, kStartPoint + 2, slot.startX);
  WritePartField<int16_t>(part.bytes, kEndPoint, slot.endY);
  WritePartField<int16_t>(part.bytes, kEndPoint + 2, slot.endX);
  WritePartField<int16_t>(part.bytes, kStartDepth, slot.startDepth);
  WritePartField<int16_t>(part.bytes, kEndDepth, slot.endDepth);
}

void DrawPart(const bBody& body, const BodyPart& part, int32_t screenX, int32_t screenY, float scale, float angle2,
              int32_t colourShift) {
  const FramePart& slot = gFramePartTable[static_cast<size_t>(part.FramePart())];
  const int32_t colourIndex = PartColour(part.Ramp(), colourShift, part.FixedColour());
  if (colourIndex < 0) {
    X_ASSERT("out of range color");
    return;
  }
  const auto colour = static_cast<uint8_t>(colourIndex);
  const int32_t x1 = slot.startX + screenX, y1 = slot.startY + screenY;
  const int32_t x2 = slot.endX + screenX, y2 = slot.endY + screenY;
  switch (part.Kind()) {
    case kPartShadedDisc:
    case kPartStripedDisc:
    case kPartPlainDisc: {
      const DiscStyle style = part.Kind() == kPartShadedDisc   ? DiscStyle::kShaded
                              : part.Kind() == kPartStripedDisc ? DiscStyle::kStriped
                                                                : DiscStyle::kPlain;
      DrawBall(x1, y1, slot.startDepth, slot.endDepth, TruncateToInt(part.Size() * scale * kDiscDiameterFactor), colour, style);
      break;
    }
    case kPartFace:
      if (body.Face() == kNoFace) {
        X_ASSERT("must set face before drawing it");
        break;
      }
      drawface(x1, y1, slot.startDepth, TruncateToInt(part.Size() * scale), WrapAngle(slot.faceTurn + angle2), 1.0f,
               body.Face());
      break;
    case kPartTaperedLimb: {
      const int32_t width = TruncateToInt(part.Width() * scale);
      const int32_t narrowing = TruncateToInt(width / 3.0 * part.Taper());
      DrawTaperedLine(x1, y1, slot.startDepth, x2, y2, slot.endDepth, narrowing, colour, width);
      break;
    }
    case kPartStraightLimb:
      DrawLine(x1, y1, slot.startDepth, x2, y2, slot.endDepth, colour, TruncateToInt(part.Width() * scale));
      break;
    case kPartDot: MyPixel(x1, y1, colour); break;
    default: X_ASSERT("kunknown kdoiar;lwhasd kgh;l khpaoish aweg"); break;
  }
}

}  // namespace

ProjectedPoint ProjectFramePoint(float x, float y, float z, float sin1, float cos1, float sin2, float cos2,
                                 float scale) {
  const float turnedX = x * cos2 - z * sin2;
  const float turnedZ = x * sin2 + z * cos2;
  float screenY = y * cos1 + turnedZ * sin1;
  float depth = turnedZ * cos1 - y * sin1;
  float screenX = turnedX * scale;
  screenY *= scale;
  depth *= scale;
  if (depth >= -999.0f) {
    const float perspective = kViewerDistance / (depth + kViewerDistance);
    screenX *= perspective;
    screenY *= perspective;
  }
  return {TruncateToInt16(screenX), TruncateToInt16(screenY), TruncateToInt16(depth)};
}

int32_t PartColour(uint8_t ramp, int32_t colourShift, bool fixedColour) {
  int64_t shifted = ramp;
  if (colourShift != 0 && !fixedColour) shifted = (ramp + static_cast<int64_t>(colourShift)) % kRamps;
  const int64_t index = (shifted + 2) * 16 + 4;
  return index >= 0 && index <= 255 ? static_cast<int32_t>(index) : -1;
}

void DrawBody(bBody* body, float angle1, float angle2, const bPrivAnim* anim, int32_t frame, int32_t screenX,
              int32_t screenY, float scale, int32_t detailMask, int32_t colourShift) {
  if (!body || !anim || body->PartCount() < 1 || anim->ColumnCount() < 1) return;
  if (frame < 0 || frame >= anim->FrameCount()) return;
  const uint8_t* frameRow = anim->GetFrame(frame);
  if (!frameRow) return;
  const int32_t parts = body->PartCount();
  for (int32_t i = 0; i < parts; ++i) {
    const int32_t slot = body->Part(i).FramePart();
    if (slot < 0 || slot >= kFrameParts) continue;
    gFramePartTable[static_cast<size_t>(slot)].startSet = 0;
    gFramePartTable[static_cast<size_t>(slot)].endSet = 0;
  }
  const Pose pose{std::sin(angle1), std::cos(angle1), std::sin(angle2), std::cos(angle2), scale};
  std::vector<BodyPart> drawList;
  drawList.reserve(static_cast<size_t>(parts));
  for (int32_t i = 0; i < parts; ++i) {
    const BodyPart part = body->Part(i);
    if (part.Kind() == kPartNone || (part.Detail() & detailMask) == 0) continue;
    if (part.FramePart() < 0) X_ASSERT("whoops");
    if (!UsableSlot(part.FramePart(), *anim)) continue;
    PosePart(*body, i, frameRow, pose);
    drawList.push_back(part);
  }
  std::stable_sort(drawList.begin(), drawList.end(),
                   [](const BodyPart& a, const BodyPart& b) { return a.EndDepth() > b.EndDepth(); });
  for (const BodyPart& part : drawList) DrawPart(*body, part, screenX, screenY, scale, angle2, colourShift);
}
