#include <gtest/gtest.h>

#include "platform/Debugger.h"
#include "platform/Process.h"

namespace {

TEST(Process, CommandLineJoinsTheArguments) {
  const char* argv[] = {"halvorine", "-w", "/d", "city name"};
  platform::SetProcessArguments(4, argv);
  EXPECT_EQ(platform::GetCommandLine(), "-w /d city name");
  platform::SetProcessArguments(1, argv);
  EXPECT_EQ(platform::GetCommandLine(), "");
}

TEST(Process, ModuleFileNameInTheGameForm) {
  std::string path = platform::GetModuleFileName();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(path.front(), '\\');
  EXPECT_EQ(path.find('/'), std::string::npos);
  EXPECT_EQ(platform::ToGamePath(platform::ToSystemPath(path)), path);
}

TEST(Process, DebugBreakWithoutDebuggerGoesOn) {
  EXPECT_FALSE(platform::IsDebuggerPresent());
  platform::DebugBreak();
}

}  // namespace
