#pragma once
#include <cstdint>
#include <vector>

// One settings record of the preferences, found by its 32-bit id.
struct PrefsRecord {
  uint32_t id = 0;
  std::vector<uint8_t> data;
};

// The preferences in memory: records keyed by id, in the order they were first stored.
class PrefsStore {
public:
  virtual ~PrefsStore() = default;

  // The record's bytes, or null when there is no record of that id.
  const void* GetData(uint32_t id) const;
  // The record's size in bytes, 0 when there is none.
  uint32_t GetSize(uint32_t id) const;
  // Adds the record or replaces its bytes.
  void SetRecord(uint32_t id, const void* data, uint32_t size);
  void Clear() {
    mRecords.clear();
    ++mChanges;
  }

  const std::vector<PrefsRecord>& Records() const { return mRecords; }
  // Grows with every change, so an owner can tell whether the store changed since a moment.
  uint64_t ChangeCount() const { return mChanges; }

private:
  const PrefsRecord* Find(uint32_t id) const;
  PrefsRecord* Find(uint32_t id);

  std::vector<PrefsRecord> mRecords;
  uint64_t mChanges = 0;
};
