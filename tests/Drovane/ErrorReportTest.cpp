#include <gtest/gtest.h>

#include "Drovane/DebugConsole.h"
#include "Drovane/DebugLog.h"
#include "Drovane/ErrorReport.h"
#include "platform/MessageBox.h"
#include "platform/ResultCodes.h"

namespace {

struct ShownBox {
  std::string text;
  std::string caption;
  uint32_t flags = 0;
};

class ErrorReportTest : public testing::Test {
protected:
  void SetUp() override {
    CreateDebugConsole();
    platform::SetMessageBoxHandler([this](const std::string& text, const std::string& caption,
                                          uint32_t flags) {
      boxes.push_back({text, caption, flags});
      return answer;
    });
  }
  void TearDown() override {
    platform::SetMessageBoxHandler({});
    SetErrorTextLookup({});
    DestroyDebugConsole();
  }

  std::vector<ShownBox> boxes;
  int answer = platform::IDOK;
};

TEST_F(ErrorReportTest, CodeWithoutTopBitIsNotReported) {
  ReportError(5, true);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(ErrorReportTest, MissingStringsFallBack) {
  ReportError(0x80000005, false);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Error Code: 5");
  EXPECT_EQ(boxes[0].caption, "Error!");
  EXPECT_EQ(boxes[0].flags, 0x2030u);
  EXPECT_EQ(gpDebugConsole->Log().back(), "Error Code: 5\n");
}

TEST_F(ErrorReportTest, TextsComeFromTheStringTable) {
  SetErrorTextLookup([](uint32_t id, std::string& text) {
    if (id == 666) text = "Trouble";
    else if (id == 7) text = "Cursor lost";
    else return false;
    return true;
  });
  ReportError(kErrorCursor, false);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Cursor lost");
  EXPECT_EQ(boxes[0].caption, "Trouble");
}

TEST_F(ErrorReportTest, FatalErrorExitsWithStatus3) {
  EXPECT_EXIT(ReportError(kErrorMemoryPool, true), testing::ExitedWithCode(3), "");
}

TEST_F(ErrorReportTest, ProgramErrorAnswers) {
  answer = platform::IDIGNORE;
  ShowProgramError();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Program Error");
  EXPECT_EQ(boxes[0].text, "Unrecoverable Program Error. Select 'Retry' to debug the application.");
  EXPECT_EQ(boxes[0].flags, static_cast<uint32_t>(platform::MB_ABORTRETRYIGNORE));
  answer = platform::IDRETRY;  // no debugger attached: goes on as Ignore
  ShowProgramError();
  answer = platform::IDABORT;
  EXPECT_EXIT(ShowProgramError(), testing::ExitedWithCode(3), "abnormal program termination");
}

TEST_F(ErrorReportTest, ResultNamesPrecedeTheMessage) {
  struct Case {
    std::string line;
    std::string expected;
  };
  const Case cases[] = {
      {GetDirectDrawErrorName(platform::kDisplaySurfaceLost, "Error in ScreenBuffer::Swap() after Flip()"),
       " Error = DDERR_SURFACELOST\nError in ScreenBuffer::Swap() after Flip()"},
      {GetDirectDrawErrorName(platform::kDisplayUnsupported, nullptr), " Error = DDERR_UNSUPPORTED\n"},
      {GetDirectDrawErrorName(platform::kDisplayXAlign, "x"), " Error = DDERR_XALIGN\nx"},
      {GetDirectDrawErrorName(0x80004005, "m"), " Error = (unknown)\nm"},
      {GetDirectDrawErrorName(platform::kSoundBufferLost, ""), " Error = (unknown)\n"},
      {GetDirectSoundErrorName(platform::kSoundOtherAppHasPriority, ""), " Error = DSERR_OTHERAPPHASPRIO\n"},
      {GetDirectSoundErrorName(platform::kDisplaySurfaceLost, ""), " Error = (unknown)\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.line, c.expected);

  ReportDirectSoundError(platform::kSoundBufferLost, "Error in DigitalSound::Play() after Play().");
  EXPECT_EQ(gpDebugConsole->Log().back(),
            " Error = DSERR_BUFFERLOST\nError in DigitalSound::Play() after Play().");
  std::string longMessage(400, 'm');
  ReportDirectDrawError(platform::kDisplayGeneric, longMessage.c_str());
  EXPECT_EQ(gpDebugConsole->Log().back().size(), 255u);
}

}  // namespace
