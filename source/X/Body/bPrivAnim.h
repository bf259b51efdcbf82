#pragma once
#include <cstdint>
#include <memory>

#include "X/Body/bBase.h"

// A private animation: the frame data ('ARPP'), one row per frame and one column per frame
// part, each entry the part's start and end point (x, z, y and one extra byte each; the extra
// byte of a face's start point is its turn).
class bPrivAnim : public bBase {
public:
  static constexpr int32_t kFramePartSize = 8;

  void InstallArrayPointers(bool fromDisk) override;

  Array2D* Frames() const { return mFrames; }
  int32_t FrameCount() const { return mFrames ? mFrames->Rows() : 0; }
  int32_t ColumnCount() const { return mFrames ? mFrames->Columns() : 0; }
  // The frame's row, or one entry of it; null (reported) outside the array.
  const uint8_t* GetFrame(int32_t frame) const;
  const uint8_t* GetFramePart(int32_t frame, int32_t part) const;

private:
  Array2D* mFrames = nullptr;
  std::unique_ptr<Array2D> mOwnedFrames;
};
