#include "platform/BigEndian.h"

#include <gtest/gtest.h>

namespace {

TEST(BigEndianTest, ReadsTheMostSignificantByteFirst) {
  const uint8_t bytes[] = {0x12, 0x34, 0x56, 0x78};
  EXPECT_EQ(platform::ReadBE16(bytes), 0x1234);
  EXPECT_EQ(platform::ReadBE24(bytes), 0x123456u);
  EXPECT_EQ(platform::ReadBE32(bytes), 0x12345678u);
  const uint8_t top[] = {0xFF, 0xFE, 0x80, 0x01};
  EXPECT_EQ(platform::ReadBE16(top), 0xFFFE);
  EXPECT_EQ(platform::ReadBE32(top), 0xFFFE8001u);
}

TEST(BigEndianTest, WritesWhatItReads) {
  uint8_t bytes[4] = {};
  platform::WriteBE32(bytes, 0xA1B2C3D4);
  EXPECT_EQ(bytes[0], 0xA1);
  EXPECT_EQ(bytes[3], 0xD4);
  platform::WriteBE24(bytes, 0x0102FF);
  EXPECT_EQ(platform::ReadBE24(bytes), 0x0102FFu);
  EXPECT_EQ(bytes[3], 0xD4) << "a 24-bit write leaves the fourth byte";
  platform::WriteBE16(bytes, 0xBEEF);
  EXPECT_EQ(platform::ReadBE16(bytes), 0xBEEF);
}

TEST(BigEndianTest, AFloatIsItsWord) {
  const uint8_t one[] = {0x3F, 0x80, 0x00, 0x00};
  EXPECT_EQ(platform::ReadBEFloat(one), 1.0f);
  uint8_t bytes[4];
  platform::WriteBEFloat(bytes, -2.5f);
  EXPECT_EQ(platform::ReadBE32(bytes), 0xC0200000u);
  EXPECT_EQ(platform::ReadBEFloat(bytes), -2.5f);
}

}  // namespace
