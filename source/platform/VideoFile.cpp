#include "platform/VideoFile.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/Clock.h"
#include "platform/FileHandle.h"
#include "platform/VideoSound.h"

namespace platform {
namespace {

constexpr uint64_t kMicrosecondsPerSecond = 1000000;

uint64_t NowMicroseconds() {
  uint64_t counts = 0;
  const uint64_t frequency = QueryPerformanceFrequency();
  if (frequency == 0 || !QueryPerformanceCounter(counts)) return uint64_t{GetSystemTimeMs()} * 1000;
  return counts / frequency * kMicrosecondsPerSecond + counts % frequency * kMicrosecondsPerSecond / frequency;
}

bool ReadHeader(const std::string& gamePath, VideoHeader& header) {
  const int handle = OpenFile(gamePath, kFileRead);
  if (handle < 0) return false;
  std::string reason;
  const bool read = ReadVideoHeader(handle, header, reason);
  CloseFile(handle);
  return read;
}

std::unique_ptr<VideoSound> OpenFirstTrack(const std::string& gamePath) {
  std::unique_ptr<VideoDemuxer> demuxer = VideoDemuxer::Open(gamePath);
  SoundFormat format;
  std::vector<uint8_t> bytes;
  if (!demuxer || !demuxer->ReadFirstTrack(format, bytes)) return nullptr;
  return VideoSound::Create(format, bytes);
}

}  // namespace

VideoFile::VideoFile(std::string gamePath, const VideoHeader& header, std::unique_ptr<VideoDemuxer> demuxer)
    : mPath(std::move(gamePath)), mHeader(header), mDemuxer(std::move(demuxer)) {}

VideoFile::~VideoFile() = default;

std::unique_ptr<VideoFile> VideoFile::Open(const std::string& gamePath, uint32_t flags) {
  VideoHeader header;
  if (!ReadHeader(gamePath, header)) return nullptr;
  std::unique_ptr<VideoDemuxer> demuxer = VideoDemuxer::Open(gamePath);
  if (!demuxer) return nullptr;
  std::unique_ptr<VideoFile> video(new VideoFile(gamePath, header, std::move(demuxer)));
  if (flags & kVideoTrack1) video->mSound = OpenFirstTrack(gamePath);
  return video;
}

bool VideoFile::IsWaiting() {
  const uint64_t now = NowMicroseconds();
  if (!mStarted) {
    mStarted = true;
    mDueMicroseconds = now;
  }
  return now < mDueMicroseconds;
}

bool VideoFile::DecodeFrame() {
  const std::array<Rgb, 256> before = mPicture.colours;
  // The first frame carries the palette each time the file is read from its start.
  const bool fromStart = mDecodedFrame < 0 || mCurrentFrame < mDecodedFrame;
  if (!DecodeUpToCurrent()) return false;
  mNewPalette = fromStart || mPicture.colours != before;
  CopyIntoTarget();
  mChangedRectPending = true;
  if (mCurrentFrame == 0 && mSound && mSoundOn) mSound->PlayFromStart();
  return true;
}

// Frames decode in order from the first: going back (after the last frame) starts the
// file again; frames moved past without decoding are decoded on the way.
bool VideoFile::DecodeUpToCurrent() {
  if (mCurrentFrame < mDecodedFrame) {
    mDemuxer = VideoDemuxer::Open(mPath);
    mDecodedFrame = -1;
  }
  while (mDecodedFrame < mCurrentFrame) {
    if (!mDemuxer || !mDemuxer->ReadPicture(mHeader.width, mHeader.height, mPicture)) return false;
    ++mDecodedFrame;
  }
  return true;
}

void VideoFile::CopyIntoTarget() const {
  const VideoTarget& t = mTarget;
  if (!t.pixels) return;
  const int64_t firstColumn = std::max<int64_t>(0, -int64_t{t.left});
  const int64_t endColumn = std::min<int64_t>(mHeader.width, int64_t{t.width} - t.left);
  const int64_t firstRow = std::max<int64_t>(0, -int64_t{t.top});
  const int64_t endRow = std::min<int64_t>(mHeader.height, int64_t{t.height} - t.top);
  if (firstColumn >= endColumn) return;
  for (int64_t y = firstRow; y < endRow; ++y) {
    const uint8_t* from = mPicture.pixels.data() + y * mHeader.width + firstColumn;
    uint8_t* to = t.pixels + (t.top + y) * t.pitch + (t.left + firstColumn);
    std::memcpy(to, from, static_cast<size_t>(endColumn - firstColumn));
  }
}

void VideoFile::NextFrame() {
  mCurrentFrame = mCurrentFrame + 1 < mHeader.frameCount ? mCurrentFrame + 1 : 0;
  mDueMicroseconds += mHeader.frameMicroseconds;
}

bool VideoFile::NextChangedRect(Rect& rect) {
  if (!mChangedRectPending) return false;
  mChangedRectPending = false;
  rect = {0, 0, mHeader.width, mHeader.height};
  return true;
}

void VideoFile::SetSoundOn(bool on) {
  mSoundOn = on;
  if (!on && mSound) mSound->Stop();
}

bool VideoFile::IsSoundPlaying() const { return mSound && mSound->IsPlaying(); }

}  // namespace platform
