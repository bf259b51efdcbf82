#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "PeopleTest.h"
#include "X/Y/ByteSwap.h"
#include "X/Y/PascalString.h"

namespace {

struct CodeCase {
  const char* name;
  uint32_t code;
};

class CodeTest : public PeopleTest, public ::testing::WithParamInterface<CodeCase> {};

TEST_P(CodeTest, TakesTheFirstFourCharacters) {
  EXPECT_EQ(PStrToUInt32(PStr(GetParam().name)), GetParam().code);
  EXPECT_TRUE(mAsserts.empty());
}

INSTANTIATE_TEST_SUITE_P(Names, CodeTest,
                         ::testing::Values(CodeCase{"BODC", 0x424F4443}, CodeCase{"ARCPart", 0x41524350},
                                           CodeCase{"", 0}));

TEST_F(PeopleTest, ShortNamesAreReportedAndStillConverted) {
  PStr name("AB");
  EXPECT_EQ(PStrToUInt32(name), 0x41420000u);
  EXPECT_TRUE(Asserted("now converting to UInt32 only names of four characters or more"));
}

struct CompareCase {
  const char* a;
  const char* b;
  int result;
};

class CompareTest : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CompareTest, ComparesIgnoringCase) {
  EXPECT_EQ(ComparePStr(PStr(GetParam().a), PStr(GetParam().b)), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Pairs, CompareTest,
                         ::testing::Values(CompareCase{"People.DF", "pEOPLE.df", 0}, CompareCase{"abc", "abd", -1},
                                           CompareCase{"abd", "abc", 1}, CompareCase{"abcd", "abc", 1},
                                           CompareCase{"abc", "abcd", -1}, CompareCase{"", "", 0},
                                           CompareCase{"a[", "A{", -1}));

struct AppendCase {
  size_t destination;
  size_t source;
  uint16_t capacity;
  uint8_t length;
};

class AppendTest : public ::testing::TestWithParam<AppendCase> {};

TEST_P(AppendTest, AppendsWhatFits) {
  const AppendCase& c = GetParam();
  auto destination = std::make_unique<uint8_t[]>(kPStrBufferSize);
  PStr start(std::string(c.destination, 'd'));
  std::memcpy(destination.get(), start.bytes, kPStrBufferSize);
  AppendPStr(PStr(std::string(c.source, 's')), destination.get(), c.capacity);
  EXPECT_EQ(destination[0], c.length);
  std::string expected = std::string(c.destination, 'd') + std::string(c.length - c.destination, 's');
  EXPECT_EQ(PStrText(destination.get()), expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, AppendTest,
                         ::testing::Values(AppendCase{250, 10, 256, 255}, AppendCase{3, 4, 256, 7},
                                           AppendCase{3, 4, 6, 5}, AppendCase{255, 4, 256, 255},
                                           AppendCase{250, 10, 300, 255}, AppendCase{10, 5, 4, 10}));

TEST(PascalStringTest, AppendCStrCutsItsSourceTo255Characters) {
  auto destination = std::make_unique<uint8_t[]>(kPStrBufferSize);
  destination[0] = 0;
  std::string longText(300, 'x');
  AppendCStr(longText.c_str(), destination.get(), kPStrBufferSize);
  EXPECT_EQ(destination[0], 255);
}

TEST(PascalStringTest, CtoPstrCutsTo255AndPtoCstrTurnsBack) {
  std::string text(300, 'q');
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  CtoPstr(buffer.data());
  EXPECT_EQ(static_cast<uint8_t>(buffer[0]), 255);
  EXPECT_EQ(buffer[1], 'q');

  char word[] = "People";
  CtoPstr(word);
  EXPECT_EQ(word[0], 6);
  PtoCstr(reinterpret_cast<uint8_t*>(word));
  EXPECT_STREQ(word, "People");
}

TEST(PascalStringTest, CStrToPStrNeverWritesPastItsBuffer) {
  auto name = std::make_unique<uint8_t[]>(kPStrBufferSize);
  std::string longText(300, 'z');
  CStrToPStr(longText.c_str(), name.get());
  EXPECT_EQ(name[0], 255);
  EXPECT_EQ(name[255], 'z');
  CStrToPStr("abc", name.get());
  EXPECT_EQ(name[0], 3);
  EXPECT_EQ(name[4], 0) << "the terminating zero follows the characters";
}

TEST(ByteSwapTest, SwapsInPlace) {
  uint8_t word[4] = {0x12, 0x34, 0x56, 0x78};
  SwapU32(word);
  EXPECT_EQ(word[0], 0x78);
  EXPECT_EQ(word[1], 0x56);
  EXPECT_EQ(word[2], 0x34);
  EXPECT_EQ(word[3], 0x12);
  SwapU16(word);
  EXPECT_EQ(word[0], 0x56);
  EXPECT_EQ(word[1], 0x78);
}

}  // namespace
