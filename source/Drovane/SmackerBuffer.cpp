#include "Drovane/SmackerBuffer.h"

#include "Drovane/DirectDrawObject.h"
#include "Drovane/ErrorReport.h"
#include "platform/VideoFile.h"

using namespace platform;

SmackerBuffer::SmackerBuffer() = default;

SmackerBuffer::SmackerBuffer(const char* fileName, int32_t useSmackBuffer, int32_t width, int32_t height,
                             int32_t displayWidth, int32_t displayHeight) {
  SetParameters(fileName, useSmackBuffer, width, height, displayWidth, displayHeight);
}

// A deferred buffer's surface pointers are forgotten, never released: it has none of its own.
SmackerBuffer::~SmackerBuffer() {
  Close();
  if (!mDeferSurface) return;
  mpFrontSurface = nullptr;
  mpBackSurface = nullptr;
}

void SmackerBuffer::SetParameters(const char* fileName, int32_t useSmackBuffer, int32_t width, int32_t height,
                                  int32_t displayWidth, int32_t displayHeight) {
  mFileName = fileName ? fileName : "";
  mUseSmackBuffer = useSmackBuffer;
  mWidth = width;
  mHeight = height;
  mDisplayWidth = displayWidth;
  mDisplayHeight = displayHeight;
}

void SmackerBuffer::DeferSurfaceCreation() { mDeferSurface = 1; }

int32_t SmackerBuffer::EnsureSurface() { return mDeferSurface ? 1 : CreateSurface(); }

int32_t SmackerBuffer::CreateSurface() {
  if (mDeferSurface || mpFrontSurface) return 1;
  mRect = {0, 0, mWidth, mHeight};
  const ResultCode result =
      lpDD ? lpDD->CreateSurface(mWidth, mHeight, kSurfaceOffscreenPlain | kSurfaceSystemMemory, &mpFrontSurface)
           : kDisplayCurrentlyNotAvailable;
  if (result != kResultOk) {
    mpFrontSurface = nullptr;
    ReportDirectDrawError(result, "Error in SmackerBuffer::CreateSurface() after CreateSurface()");
    return 0;
  }
  gSurfaceMemory += mWidth * mHeight;
  // One lock records the surface's pitch.
  if (Lock() > 0) Unlock();
  return 1;
}

int32_t SmackerBuffer::Open(const char* fileName, uint32_t openFlags, int32_t) {
  if (fileName) mFileName = fileName;
  mpSmack = VideoFile::Open(mFileName, openFlags);
  if (!mpSmack) return 0;
  mWidth = mpSmack->Width();
  mHeight = mpSmack->Height();
  if (!mDeferSurface) CreateSurface();
  return 1;
}

uint32_t SmackerBuffer::Compose(CBackBuffer* dest, int32_t x, int32_t y, int32_t srcLeft, int32_t srcTop,
                                int32_t srcRight, int32_t srcBottom) {
  if (mState == kNotStarted) mState = kPlaying;
  if (mState == kFinished) {
    FillBackground(dest, {x, y, x + mWidth, y + mHeight});
    CBackBuffer::Compose(dest, x, y, srcLeft, srcTop, srcRight, srcBottom);
    return 1;
  }
  const int32_t answer = DecodeDueFrame(dest, x, y);
  if (answer >= 0) return static_cast<uint32_t>(answer);
  if (!mDeferSurface) CBackBuffer::Compose(dest, x, y, srcLeft, srcTop, srcRight, srcBottom);
  return static_cast<uint32_t>(FinishOrMoveOn());
}

uint32_t SmackerBuffer::CopyTo(CBackBuffer* dest, int32_t destLeft, int32_t destTop, int32_t destRight,
                               int32_t destBottom, int32_t srcLeft, int32_t srcTop, int32_t srcRight, int32_t srcBottom) {
  if (mState == kNotStarted) mState = kPlaying;
  if (mState == kFinished) {
    FillBackground(dest, {destLeft, destTop, destRight, destBottom});
    CBackBuffer::CopyTo(dest, destLeft, destTop, destRight, destBottom, srcLeft, srcTop, srcRight, srcBottom);
    return 1;
  }
  const int32_t answer = DecodeDueFrame(dest, 0, 0);
  if (answer >= 0) return static_cast<uint32_t>(answer);
  if (!mDeferSurface) {
    CBackBuffer::CopyTo(dest, destLeft, destTop, destRight, destBottom, srcLeft, srcTop, srcRight, srcBottom);
  }
  return static_cast<uint32_t>(FinishOrMoveOn());
}

// The background goes into dest under the frame drawn again. The buffer's own surface keeps
// the last frame; a deferred video's last frame is in dest already and stays.
void SmackerBuffer::FillBackground(CBackBuffer* dest, const Rect& area) {
  if (!mFillBackground || mDeferSurface || !dest) return;
  dest->FillRect(static_cast<uint32_t>(mFillColorIndex), &area);
}

int32_t SmackerBuffer::DecodeDueFrame(CBackBuffer* dest, int32_t x, int32_t y) {
  if (!mpSmack) return 2;
  if (mpSmack->IsWaiting()) return 0;
  const bool decoded = mDeferSurface ? DecodeInto(dest, x, y) : DecodeInto(this, 0, 0);
  return decoded ? -1 : FailDecode();
}

bool SmackerBuffer::DecodeInto(CBackBuffer* image, int32_t x, int32_t y) {
  if (!image || image->Lock() == 0) return true;
  mpSmack->SetTarget({image->mpBits, image->mStride, image->mWidth, image->mHeight, x, y});
  const bool decoded = mpSmack->DecodeFrame();
  mpSmack->SetTarget({});
  image->Unlock();
  return decoded;
}
