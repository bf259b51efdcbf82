#pragma once
#include <gtest/gtest.h>

#include <cstdint>

#include "DrawFixture.h"
#include "support/GuardedFrameBuffer.h"

// A test of the fills: the draw state of DrawTest and a guarded frame buffer of the size,
// installed and cleared to the background; afterwards nothing outside the view may have
// been written.
template <int32_t kFrameWidth, int32_t kFrameHeight, int32_t kFramePitch, uint8_t kFrameBackground>
class FillTest : public DrawTest {
protected:
  void SetUp() override {
    DrawTest::SetUp();
    frame.Install();
    frame.Clear(kFrameBackground);
  }
  void TearDown() override {
    EXPECT_TRUE(frame.BorderUntouched());
    DrawTest::TearDown();
  }

  GuardedFrameBuffer frame{kFrameWidth, kFrameHeight, kFramePitch};
};
