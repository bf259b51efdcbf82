#pragma once
#include <cstdint>
#include <vector>

// Read access to one of the program's raw data resources, found by its numeric id.
class RawResource {
public:
  RawResource() = default;
  RawResource(uint32_t id, bool loadNow);
  // A copy holds its own copy of the data.
  RawResource(const RawResource& other);
  RawResource& operator=(const RawResource& other);
  virtual ~RawResource();

  // Lets go of the data and the id.
  virtual void Release();
  // 1 when the resource was found, else 0.
  virtual int Load();

  // Null before a successful load.
  const void* GetData() const { return mData; }
  // 0 when nothing was found.
  uint32_t GetSize() const { return mSize; }
  uint32_t GetId() const { return mId; }

private:
  void CopyFrom(const RawResource& other);

  uint32_t mId = 0;
  const uint8_t* mData = nullptr;
  uint32_t mSize = 0;
  std::vector<uint8_t> mCopy;  // the data of a copied resource
};
