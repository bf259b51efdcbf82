#include <gtest/gtest.h>

#include "platform/DataRoots.h"
#include "platform/Process.h"
#include "support/TempFolder.h"

namespace {

TEST(DataRoots, SecondRootIsTheChosenFolderElseTheBuiltDataSet) {
  ScopedEnvironment data("HALVORINE_DATA", "/srv/halvorine-data");
  EXPECT_EQ(platform::SecondDataRoot(), "\\srv\\halvorine-data\\");
  ScopedEnvironment unset("HALVORINE_DATA", nullptr);
  EXPECT_EQ(platform::SecondDataRoot(), platform::ToGamePath(HALVORINE_BUILD_DIR "/data\\"));
  ScopedEnvironment empty("HALVORINE_DATA", "");
  EXPECT_EQ(platform::SecondDataRoot(), platform::ToGamePath(HALVORINE_BUILD_DIR "/data\\"));
}

}  // namespace
