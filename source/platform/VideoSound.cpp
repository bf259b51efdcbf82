#include "platform/VideoSound.h"

#include <cstring>

#include "platform/SoundBuffer.h"
#include "platform/SoundDevice.h"

namespace platform {
namespace {

VideoSoundDeviceSource gDeviceSource = nullptr;

bool Fill(SoundBuffer& buffer, const std::vector<uint8_t>& bytes) {
  void* part1 = nullptr;
  void* part2 = nullptr;
  uint32_t bytes1 = 0;
  uint32_t bytes2 = 0;
  const auto size = static_cast<uint32_t>(bytes.size());
  if (buffer.Lock(0, size, &part1, &bytes1, &part2, &bytes2, kSoundLockEntireBuffer) != kResultOk) return false;
  std::memcpy(part1, bytes.data(), bytes1);
  return buffer.Unlock(part1, bytes1, part2, bytes2) == kResultOk;
}

}  // namespace

void SetVideoSoundDeviceSource(VideoSoundDeviceSource source) { gDeviceSource = source; }

VideoSound::VideoSound(std::unique_ptr<SoundBuffer> buffer) : mBuffer(std::move(buffer)) {}

VideoSound::~VideoSound() = default;

std::unique_ptr<VideoSound> VideoSound::Create(const SoundFormat& format, const std::vector<uint8_t>& bytes) {
  SoundDevice* device = gDeviceSource ? gDeviceSource() : nullptr;
  if (!device || bytes.size() > kSoundMaxBufferBytes) return nullptr;
  SoundBufferDescription description{kSoundBufferStatic | kSoundBufferControlDefault, static_cast<uint32_t>(bytes.size()),
                                     &format};
  std::unique_ptr<SoundBuffer> buffer;
  if (device->CreateSoundBuffer(description, buffer) != kResultOk || !Fill(*buffer, bytes)) return nullptr;
  return std::unique_ptr<VideoSound>(new VideoSound(std::move(buffer)));
}

void VideoSound::PlayFromStart() {
  mBuffer->Stop();
  mBuffer->SetCurrentPosition(0);
  mBuffer->Play(0);
}

void VideoSound::Stop() { mBuffer->Stop(); }

bool VideoSound::IsPlaying() {
  uint32_t status = 0;
  return mBuffer->GetStatus(status) == kResultOk && (status & kSoundStatusPlaying);
}

}  // namespace platform
