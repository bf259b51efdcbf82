#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "X/File/Array2D.h"
#include "X/File/ResMap.h"
#include "X/Y/Memwrap.h"
#include "X/Y/XAssert.h"
#include "platform/MessageBox.h"

// Records the people library's assertions (answering Ignore) and checks that a test leaves
// no handle, map or loaded array behind.
class PeopleTest : public ::testing::Test {
protected:
  void SetUp() override {
    mHandlesBefore = LiveHandleCount();
    SetXAssertHandler([this](const XAssertReport& report) {
      mAsserts.push_back(report.message);
      return platform::IDIGNORE;
    });
  }
  void TearDown() override {
    Array2D::FreeAllLoaded();
    SetXAssertHandler(nullptr);
    EXPECT_EQ(ResMap::Count(), 0);
    EXPECT_EQ(LiveHandleCount(), mHandlesBefore);
  }

  bool Asserted(const std::string& message) const {
    return std::find(mAsserts.begin(), mAsserts.end(), message) != mAsserts.end();
  }

  std::vector<std::string> mAsserts;

private:
  size_t mHandlesBefore = 0;
};

// A Pascal string from a C string literal.
struct PStr {
  explicit PStr(const std::string& text) {
    bytes[0] = static_cast<uint8_t>(text.size());
    std::copy(text.begin(), text.end(), bytes + 1);
  }
  operator const uint8_t*() const { return bytes; }
  uint8_t bytes[256] = {};
};
