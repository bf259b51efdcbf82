#include "sound/Sound.h"

Sound& Sound::operator=(const Sound& other) {
  if (this == &other) return *this;
  mSourceKind = other.mSourceKind;
  mPlayMode = other.mPlayMode;
  mKey = other.mKey;
  mLooping = other.mLooping;
  mStreaming = other.mStreaming;
  mFileName = other.mFileName;
  mResourceId = other.mResourceId;
  return *this;
}

bool Sound::operator==(const Sound& other) const {
  if (mKey != other.mKey) return false;
  if (mSourceKind == kSoundFromFile) return mFileName == other.mFileName;
  if (mSourceKind == kSoundFromResource) return mResourceId == other.mResourceId;
  return true;
}
