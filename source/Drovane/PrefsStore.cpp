#include "Drovane/PrefsStore.h"

#include <algorithm>
#include <utility>

const PrefsRecord* PrefsStore::Find(uint32_t id) const {
  auto found = std::find_if(mRecords.begin(), mRecords.end(),
                            [id](const PrefsRecord& record) { return record.id == id; });
  return found == mRecords.end() ? nullptr : &*found;
}

PrefsRecord* PrefsStore::Find(uint32_t id) {
  return const_cast<PrefsRecord*>(std::as_const(*this).Find(id));
}

const void* PrefsStore::GetData(uint32_t id) const {
  const PrefsRecord* record = Find(id);
  return record ? record->data.data() : nullptr;
}

uint32_t PrefsStore::GetSize(uint32_t id) const {
  const PrefsRecord* record = Find(id);
  return record ? static_cast<uint32_t>(record->data.size()) : 0;
}

void PrefsStore::SetRecord(uint32_t id, const void* data, uint32_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  std::vector<uint8_t> copy(bytes, bytes + (data ? size : 0));
  ++mChanges;
  if (PrefsRecord* record = Find(id)) {
    record->data = std::move(copy);
    return;
  }
  mRecords.push_back({id, std::move(copy)});
}
