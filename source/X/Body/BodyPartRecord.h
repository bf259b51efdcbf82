#pragma once
#include <cstdint>
#include <cstring>

// A body's part record ('ARCP' entry, 40 bytes). On disk the 32-bit words at 8, 12, 28, 32
// and 36 are big-endian; once loaded they are in the machine's order. The parent field keeps
// the parent's code: the active body keeps its parent pointers beside the records.
constexpr int32_t kPartRecordSize = 40;

enum PartKind : int8_t {
  kPartNone = 0,
  kPartShadedDisc = 8,
  kPartFace = 9,
  kPartTaperedLimb = 10,
  kPartStraightLimb = 11,
  kPartDot = 12,
  kPartStripedDisc = 13,
  kPartPlainDisc = 14,
};

namespace part_record {

constexpr int32_t kKind = 0;
constexpr int32_t kFramePart = 2;
constexpr int32_t kRamp = 3;
constexpr int32_t kDetail = 4;
constexpr int32_t kFixedColour = 5;
constexpr int32_t kCode = 8;
constexpr int32_t kParent = 12;
constexpr int32_t kStartPoint = 16;  // y, x
constexpr int32_t kEndPoint = 20;    // y, x
constexpr int32_t kStartDepth = 24;
constexpr int32_t kEndDepth = 26;
constexpr int32_t kSize = 28;
constexpr int32_t kWidth = 32;
constexpr int32_t kTaper = 36;

}  // namespace part_record

// Field access by memcpy, so a record may lie at any alignment.
template <typename T>
T ReadPartField(const uint8_t* record, int32_t offset) {
  T value;
  std::memcpy(&value, record + offset, sizeof value);
  return value;
}

template <typename T>
void WritePartField(uint8_t* record, int32_t offset, T value) {
  std::memcpy(record + offset, &value, sizeof value);
}

// A view of one record.
struct BodyPart {
  uint8_t* bytes;

  int8_t Kind() const { return static_cast<int8_t>(bytes[part_record::kKind]); }
  int8_t FramePart() const { return static_cast<int8_t>(bytes[part_record::kFramePart]); }
  uint8_t Ramp() const { return bytes[part_record::kRamp]; }
  int8_t Detail() const { return static_cast<int8_t>(bytes[part_record::kDetail]); }
  bool FixedColour() const { return bytes[part_record::kFixedColour] != 0; }
  uint32_t Code() const { return ReadPartField<uint32_t>(bytes, part_record::kCode); }
  uint32_t ParentCode() const { return ReadPartField<uint32_t>(bytes, part_record::kParent); }
  float Size() const { return ReadPartField<float>(bytes, part_record::kSize); }
  float Width() const { return ReadPartField<float>(bytes, part_record::kWidth); }
  float Taper() const { return ReadPartField<float>(bytes, part_record::kTaper); }
  int16_t EndDepth() const { return ReadPartField<int16_t>(bytes, part_record::kEndDepth); }
};
