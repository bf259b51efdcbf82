#include <gtest/gtest.h>

#include <string>

#include "PeopleTest.h"
#include "platform/MessageBox.h"

namespace {

struct FormatCase {
  std::string message;
  int32_t code;
  std::string expected;
};

class XAssertFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(XAssertFormatTest, FormatsFileLineMessageAndCode) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatXAssert("X/Flatresf.cpp", 212, c.message.c_str(), c.code), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, XAssertFormatTest,
    ::testing::Values(
        FormatCase{"bad seed", kNoAssertCode, "failure in file X/Flatresf.cpp, line 212: bad seed"},
        FormatCase{"couldn't lock handle", 5, "failure in file X/Flatresf.cpp, line 212: couldn't lock handle (5)"},
        FormatCase{"bad handle unlock", -109, "failure in file X/Flatresf.cpp, line 212: bad handle unlock (-109)"},
        FormatCase{std::string(300, 'm'), kNoAssertCode,
                   "failure in file X/Flatresf.cpp, line 212: " + std::string(175, 'm')},
        FormatCase{std::string(300, 'm') + "%s%n", 7,
                   "failure in file X/Flatresf.cpp, line 212: " + std::string(175, 'm') + " (7)"},
        FormatCase{"100% sure %s", 3, "failure in file X/Flatresf.cpp, line 212: 100% sure %s (3)"}));

TEST_F(PeopleTest, TheHandlerGetsTheReportAndIgnoreReturns) {
  XAssertReport seen{};
  SetXAssertHandler([&](const XAssertReport& report) {
    seen = report;
    return platform::IDIGNORE;
  });
  XAssert("Memwrap.cpp", 40, "bad handle free", -109);
  EXPECT_EQ(seen.file, "Memwrap.cpp");
  EXPECT_EQ(seen.line, 40);
  EXPECT_EQ(seen.message, "bad handle free");
  EXPECT_EQ(seen.code, -109);
  EXPECT_EQ(seen.text, "failure in file Memwrap.cpp, line 40: bad handle free (-109)");
}

TEST(XAssertDeathTest, AbortEndsTheProgramWithStatus3) {
  EXPECT_EXIT(
      {
        SetXAssertHandler([](const XAssertReport&) { return static_cast<int>(platform::IDABORT); });
        XAssert("Srand.cpp", 9, "bad seed");
      },
      ::testing::ExitedWithCode(3), "");
}

TEST(XAssertDeathTest, WithoutAHandlerTheAssertBoxIsAsked) {
  EXPECT_EXIT(
      {
        SetXAssertHandler(nullptr);
        platform::SetMessageBoxHandler([](const std::string& text, const std::string& caption, uint32_t flags) {
          bool expected = caption == "ASSERT" && flags == platform::MB_ABORTRETRYIGNORE &&
                          text == "failure in file Srand.cpp, line 9: bad seed";
          if (!expected) std::_Exit(1);
          return static_cast<int>(platform::IDABORT);
        });
        XAssert("Srand.cpp", 9, "bad seed");
      },
      ::testing::ExitedWithCode(3), "");
}

TEST(XAssertTest, RetryAndIgnoreFromTheBoxReturn) {
  for (int answer : {platform::IDRETRY, platform::IDIGNORE}) {
    int asked = 0;
    platform::SetMessageBoxHandler([&](const std::string&, const std::string&, uint32_t) {
      ++asked;
      return answer;
    });
    XAssert("Srand.cpp", 9, "bad seed");
    EXPECT_EQ(asked, 1);
  }
  platform::SetMessageBoxHandler(nullptr);
}

}  // namespace
