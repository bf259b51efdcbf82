#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/world/ByteRunCoding.h"

namespace {

TEST(ByteRunCoding, EncodedBytesDecodeToThemselves) {
  const std::vector<std::string> inputs = {
      "", "a", "ab", "aaa", std::string(128, 'z'), std::string(129, 'z'), std::string(300, 'q') + "xyz",
      "abcaaabbbbc", std::string(127, 'l') + "m", [] {
        std::string s;
        for (int i = 0; i < 400; ++i) s += static_cast<char>(i * 31);
        return s;
      }()};
  for (const std::string& input : inputs) {
    auto bytes = reinterpret_cast<const uint8_t*>(input.data());
    std::vector<uint8_t> coded = EncodeByteRuns(bytes, input.size());
    std::string decoded(input.size(), '\x55');
    EXPECT_EQ(DecodeByteRuns(coded.data(), coded.size(), reinterpret_cast<uint8_t*>(decoded.data()), decoded.size()),
              "");
    EXPECT_EQ(decoded, input);
  }
}

TEST(ByteRunCoding, RepeatsBecomeRuns) {
  std::string input(200, '\0');
  std::vector<uint8_t> coded = EncodeByteRuns(reinterpret_cast<const uint8_t*>(input.data()), input.size());
  EXPECT_EQ(coded, (std::vector<uint8_t>{0xFF, 0, 0xC7, 0}));
}

}  // namespace
