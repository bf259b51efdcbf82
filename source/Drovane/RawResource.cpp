#include "Drovane/RawResource.h"

#include "Drovane/ProgramResourceTable.h"

RawResource::RawResource(uint32_t id, bool loadNow) : mId(id) {
  if (loadNow) Load();
}

RawResource::RawResource(const RawResource& other) {
  CopyFrom(other);
}

RawResource& RawResource::operator=(const RawResource& other) {
  if (this != &other) {
    Release();
    CopyFrom(other);
  }
  return *this;
}

RawResource::~RawResource() {
  RawResource::Release();
}

void RawResource::CopyFrom(const RawResource& other) {
  mId = other.mId;
  if (!other.mData) return;
  mCopy.assign(other.mData, other.mData + other.mSize);
  mData = mCopy.data();
  mSize = other.mSize;
}

void RawResource::Release() {
  mId = 0;
  mData = nullptr;
  mSize = 0;
  mCopy.clear();
}

int RawResource::Load() {
  const std::vector<uint8_t>* found = FindProgramResource(mId);
  mCopy.clear();
  mData = found ? found->data() : nullptr;
  mSize = found ? static_cast<uint32_t>(found->size()) : 0;
  return found != nullptr;
}
