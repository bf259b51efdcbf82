#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/StaticColours.h"
#include "platform/VideoDemuxer.h"
#include "platform/VideoHeader.h"
#include "platform/WindowMessages.h"

// An open video: its frames decoded one at a time into memory the caller names, each when
// it is due on the game's clock, and its first sound track played with it.
namespace platform {

class VideoSound;

// Open flag: play the first sound track.
constexpr uint32_t kVideoTrack1 = 0x2000;

// Memory that frames are decoded into: width x height pixels, pitch bytes from one row to
// the next. The frame's top-left corner goes at (left, top), which may lie outside; only
// what falls inside is written.
struct VideoTarget {
  uint8_t* pixels = nullptr;
  int32_t pitch = 0;
  int32_t width = 0;
  int32_t height = 0;
  int32_t left = 0;
  int32_t top = 0;
};

class VideoFile {
public:
  ~VideoFile();
  VideoFile(const VideoFile&) = delete;
  VideoFile& operator=(const VideoFile&) = delete;

  // Null when the file is missing, is no video, or is larger than this can play
  // (kMaxVideoSide), or claims more frames than it holds. With kVideoTrack1 in the flags
  // the first track of uncompressed sound plays with the frames.
  static std::unique_ptr<VideoFile> Open(const std::string& gamePath, uint32_t flags);

  int32_t Width() const { return mHeader.width; }
  int32_t Height() const { return mHeader.height; }
  int32_t FrameCount() const { return mHeader.frameCount; }
  uint64_t FrameMicroseconds() const { return mHeader.frameMicroseconds; }
  // Counted from 0.
  int32_t CurrentFrame() const { return mCurrentFrame; }
  // Whether the frame decoded last brought other colours than the one before, or was the
  // first frame read from the file's start.
  bool HasNewPalette() const { return mNewPalette; }
  const std::array<Rgb, 256>& Palette() const { return mPicture.colours; }

  void SetTarget(const VideoTarget& target) { mTarget = target; }
  // True while it is too early for the current frame. Frame 0 is due at the first asking,
  // each later frame one frame time after the one before.
  bool IsWaiting();
  // Decodes the current frame into the target (and starts the sound at frame 0). False on
  // damaged data: the target keeps what it had.
  bool DecodeFrame();
  // Moves to the next frame; after the last, to the first.
  void NextFrame();
  // The rectangle of the target that the last decode changed, once: the whole frame.
  bool NextChangedRect(Rect& rect);
  // Turns the sound on or off; off stops it at once.
  void SetSoundOn(bool on);
  bool IsSoundPlaying() const;

private:
  VideoFile(std::string gamePath, const VideoHeader& header, std::unique_ptr<VideoDemuxer> demuxer);
  bool DecodeUpToCurrent();
  void CopyIntoTarget() const;

  std::string mPath;
  VideoHeader mHeader;
  std::unique_ptr<VideoDemuxer> mDemuxer;
  std::unique_ptr<VideoSound> mSound;
  bool mSoundOn = true;
  VideoTarget mTarget;
  VideoPicture mPicture;
  // The frame mPicture holds; -1 before the first.
  int32_t mDecodedFrame = -1;
  int32_t mCurrentFrame = 0;
  bool mNewPalette = false;
  bool mChangedRectPending = false;
  bool mStarted = false;
  uint64_t mDueMicroseconds = 0;
};

}  // namespace platform
