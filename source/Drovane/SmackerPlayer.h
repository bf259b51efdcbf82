#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/WindowMessages.h"

namespace platform {
class DisplaySurface;
class VideoDrawBuffer;
class VideoFile;
}  // namespace platform
class WinWindow;

// The framework's video player: it opens a video (".smk"), keeps a play state and, on each
// DrawToWindow, shows the next frame in the window when it is due. Frames are drawn at the
// video's own size with its top-left corner at (mX, mY) of the client area, in the video's
// colours. SmackerBuffer derives from it to play into back buffers instead.
class SmackerPlayer {
public:
  SmackerPlayer();
  // The display size centres the video (0: its own size); a null name leaves it empty.
  SmackerPlayer(const char* fileName, int32_t displayWidth, int32_t displayHeight);
  virtual ~SmackerPlayer();
  SmackerPlayer(const SmackerPlayer&) = delete;
  SmackerPlayer& operator=(const SmackerPlayer&) = delete;

  virtual int32_t EnsureSurface();
  // The drawing buffer for the window at the video's size; 1 when there is one, 0 without a
  // video or when it cannot be made.
  virtual int32_t CreateSurface();
  // Nothing for a window's player.
  virtual void Clear(int32_t colour);
  // Opens the named file (or mFileName for null), with the first sound track when the flags
  // ask for it (kVideoTrack1). Answers 1 even when the video cannot be opened: mpSmack stays
  // null and the player is finished from its first step.
  virtual int32_t Open(const char* fileName, uint32_t openFlags, int32_t extraValue);
  // Frees the drawing buffer and closes the video. Harmless when there is neither.
  virtual void Close();
  // One step of playback: 0 when a frame was shown or none was due yet; 1 once the video
  // has finished (its last frame is shown again), failed to decode, or there is none.
  virtual int32_t DrawToWindow();
  // 0 without a drawing buffer, else its status (1 while its window exists).
  virtual int32_t GetBufferStatus();

  // A playing or finished video goes back to state 0 and its sound stops.
  void Stop();
  // Keeps the window and centres the video in its client area.
  void SetWindow(platform::WindowHandle window);
  void SetWindow(const WinWindow* window);

  int32_t mState = 0;
  int32_t mLoop = 0;
  int32_t mFillBackground = 0;
  int32_t mFillColorIndex = 0;
  uint8_t mFillBlue = 0;
  uint8_t mFillGreen = 0;
  uint8_t mFillRed = 0;
  platform::WindowHandle mhWnd = platform::kNoWindow;
  int32_t mVideoWidth = 0;
  int32_t mVideoHeight = 0;
  int32_t mX = 0;
  int32_t mY = 0;
  int32_t mDisplayWidth = 0;
  int32_t mDisplayHeight = 0;
  std::unique_ptr<platform::VideoDrawBuffer> mpSmackBuffer;
  std::unique_ptr<platform::VideoFile> mpSmack;
  std::string mFileName;

protected:
  // Play states.
  static constexpr int32_t kNotStarted = 0;
  static constexpr int32_t kPlaying = 1;
  static constexpr int32_t kFinished = 2;

  // At the last frame of a video that does not loop: finished, its sound stopped. Else the
  // video moves to its next frame. Returns the step's answer, 1 or 0.
  int32_t FinishOrMoveOn();
  // The state a failed decode leaves: finished, showing what it showed last.
  int32_t FailDecode();

private:
  // The step of a finished player: the background, the whole buffer again.
  int32_t RedrawFinished();
  // Decodes the due frame and copies what changed into the window.
  bool ShowFrame();
  // The primary surface the window is shown through; null when it has none.
  platform::DisplaySurface* WindowSurface() const;
};
