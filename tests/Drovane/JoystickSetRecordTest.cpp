#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drovane/JoystickSetRecord.h"

namespace {

TEST(JoystickSetRecord, NamesComeBackInOrder) {
  for (const std::vector<std::string>& names :
       {std::vector<std::string>{}, {"Stick"}, {"Wheel", "Stick", "Stick"}, std::vector<std::string>(16, "Pad")}) {
    std::vector<uint8_t> bytes = EncodeJoystickSet(names);
    ASSERT_EQ(bytes.size(), 4 + 32 * names.size());
    std::vector<std::string> read{"left over"};
    ASSERT_TRUE(DecodeJoystickSet(bytes.data(), static_cast<uint32_t>(bytes.size()), read));
    EXPECT_EQ(read, names);
  }
}

TEST(JoystickSetRecord, LayoutIsACountThen32BytesAName) {
  std::vector<uint8_t> bytes = EncodeJoystickSet({"AB", std::string(40, 'x')});
  ASSERT_EQ(bytes.size(), 68u);
  EXPECT_EQ((std::vector<uint8_t>(bytes.begin(), bytes.begin() + 7)), (std::vector<uint8_t>{2, 0, 0, 0, 'A', 'B', 0}));
  EXPECT_EQ(bytes[36 + 30], 'x');
  EXPECT_EQ(bytes[36 + 31], 0);  // long names are cut to 31 characters
}

TEST(JoystickSetRecord, OnlySixteenNamesAreKept) {
  std::vector<uint8_t> bytes = EncodeJoystickSet(std::vector<std::string>(17, "Pad"));
  std::vector<std::string> read;
  ASSERT_TRUE(DecodeJoystickSet(bytes.data(), static_cast<uint32_t>(bytes.size()), read));
  EXPECT_EQ(read.size(), 16u);
}

struct DamagedCase {
  const char* name;
  std::vector<uint8_t> bytes;
};

class DamagedJoystickSetTest : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedJoystickSetTest, IsRefused) {
  const std::vector<uint8_t>& bytes = GetParam().bytes;
  std::vector<std::string> read{"left over"};
  EXPECT_FALSE(DecodeJoystickSet(bytes.data(), static_cast<uint32_t>(bytes.size()), read));
  EXPECT_TRUE(read.empty());
}

std::vector<uint8_t> WithName(uint32_t count, std::vector<uint8_t> name) {
  std::vector<uint8_t> bytes{static_cast<uint8_t>(count), 0, 0, 0};
  name.resize(32, 'n');
  bytes.insert(bytes.end(), name.begin(), name.end());
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, DamagedJoystickSetTest,
    testing::Values(DamagedCase{"Empty", {}}, DamagedCase{"ShortCount", {0, 0, 0}},
                    DamagedCase{"CountTooLarge", [] {
                                  std::vector<uint8_t> bytes(4 + 17 * 32, 0);
                                  bytes[0] = 17;
                                  return bytes;
                                }()},
                    DamagedCase{"CountOverflowsTheSize", {0xFF, 0xFF, 0xFF, 0x0F}},
                    DamagedCase{"FewerNamesThanCounted", WithName(2, {'A', 0})},
                    DamagedCase{"BytesBeyondTheNames", [] {
                                  std::vector<uint8_t> bytes = WithName(1, {'A', 0});
                                  bytes.push_back(0);
                                  return bytes;
                                }()},
                    DamagedCase{"NameWithoutItsEnd", WithName(1, {})}),
    [](const testing::TestParamInfo<DamagedCase>& info) { return std::string(info.param.name); });

TEST(JoystickSetRecord, NoDataIsNoRecord) {
  std::vector<std::string> read;
  EXPECT_FALSE(DecodeJoystickSet(nullptr, 4, read));
}

}  // namespace
