#include "Drovane/SmackerPlayer.h"

#include "Drovane/BackBuffer.h"
#include "Drovane/WinWindow.h"
#include "platform/VideoDrawBuffer.h"
#include "platform/VideoFile.h"
#include "platform/Window.h"

using namespace platform;

SmackerPlayer::SmackerPlayer() = default;

SmackerPlayer::SmackerPlayer(const char* fileName, int32_t displayWidth, int32_t displayHeight)
    : mDisplayWidth(displayWidth), mDisplayHeight(displayHeight), mFileName(fileName ? fileName : "") {}

SmackerPlayer::~SmackerPlayer() { Close(); }

int32_t SmackerPlayer::EnsureSurface() { return CreateSurface(); }

int32_t SmackerPlayer::CreateSurface() {
  if (mpSmackBuffer) return 1;
  if (!mpSmack) return 0;
  mpSmackBuffer = VideoDrawBuffer::Create(mhWnd, mpSmack->Width(), mpSmack->Height());
  if (!mpSmackBuffer) return 0;
  mpSmack->SetTarget(mpSmackBuffer->Target());
  mVideoWidth = mpSmack->Width();
  mVideoHeight = mpSmack->Height();
  SetWindow(mhWnd);
  return 1;
}

void SmackerPlayer::Clear(int32_t) {}

int32_t SmackerPlayer::Open(const char* fileName, uint32_t openFlags, int32_t) {
  if (fileName) mFileName = fileName;
  mpSmack = VideoFile::Open(mFileName, openFlags);
  CreateSurface();
  return 1;
}

void SmackerPlayer::Close() {
  mpSmackBuffer.reset();
  mpSmack.reset();
}

int32_t SmackerPlayer::DrawToWindow() {
  if (!mpSmack) return 1;
  if (mState == kNotStarted) mState = kPlaying;
  if (mState == kFinished) return RedrawFinished();
  if (mpSmack->IsWaiting()) return 0;
  if (mpSmackBuffer && !ShowFrame()) return FailDecode();
  return FinishOrMoveOn();
}

int32_t SmackerPlayer::RedrawFinished() {
  DisplaySurface* surface = WindowSurface();
  if (mFillBackground) {
    VideoDrawBuffer::FillWindowRect(mhWnd, surface, {0, 0, mVideoWidth, mVideoHeight}, {mFillRed, mFillGreen, mFillBlue});
  }
  if (mpSmackBuffer) mpSmackBuffer->CopyToWindow(surface, mX, mY, {0, 0, mVideoWidth, mVideoHeight});
  return 1;
}

bool SmackerPlayer::ShowFrame() {
  if (!mpSmack->DecodeFrame()) return false;
  if (mpSmack->HasNewPalette()) mpSmackBuffer->SetPalette(mpSmack->Palette());
  DisplaySurface* surface = WindowSurface();
  Rect changed;
  while (mpSmack->NextChangedRect(changed)) {
    if (mpSmackBuffer->CopyToWindow(surface, mX, mY, changed) != 0) break;
  }
  return true;
}

int32_t SmackerPlayer::FinishOrMoveOn() {
  if (mpSmack->CurrentFrame() == mpSmack->FrameCount() - 1 && !mLoop) {
    mState = kFinished;
    mpSmack->SetSoundOn(false);
    return 1;
  }
  mpSmack->NextFrame();
  return 0;
}

int32_t SmackerPlayer::FailDecode() {
  mState = kFinished;
  mpSmack->SetSoundOn(false);
  return 1;
}

int32_t SmackerPlayer::GetBufferStatus() { return mpSmackBuffer ? mpSmackBuffer->Status() : 0; }

void SmackerPlayer::Stop() {
  if (mState != kPlaying && mState != kFinished) return;
  if (mpSmack) mpSmack->SetSoundOn(false);
  mState = kNotStarted;
}

void SmackerPlayer::SetWindow(WindowHandle window) {
  mhWnd = window;
  const Rect client = GetClientRect(window);
  mX = client.Width() / 2 - (mDisplayWidth ? mDisplayWidth : mVideoWidth) / 2;
  mY = client.Height() / 2 - (mDisplayHeight ? mDisplayHeight : mVideoHeight) / 2;
}

void SmackerPlayer::SetWindow(const WinWindow* window) { SetWindow(window ? window->mWindow : kNoWindow); }

// The window object is the window's user data; its back buffer is the screen, whose front
// surface is the primary.
DisplaySurface* SmackerPlayer::WindowSurface() const {
  const auto* window = static_cast<const WinWindow*>(GetWindowUserData(mhWnd));
  if (!window || !window->mpBackBuffer) return nullptr;
  return window->mpBackBuffer->mpFrontSurface;
}
