#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Drovane/FourCharCode.h"
#include "Drovane/PrefsStore.h"

class PrefsFile;

// Told after a record it watches was stored.
class PrefsListener {
public:
  virtual ~PrefsListener() = default;
  virtual void Notify(uint32_t id, PrefsFile* prefs) = 0;
};

// The preferences file "tarvid.cfg": a record file led by a chunk of tag 0 that holds a
// warning text, then one chunk per record (tag = record id, data = the record's bytes).
class PrefsFile : public PrefsStore {
public:
  static constexpr uint32_t kCreator = FourCC("DVRT");   // "TRVD" on disk
  static constexpr uint32_t kFileType = FourCC("FERP");  // "PREF" on disk
  static constexpr uint32_t kTypeVersion = 0x10000;
  static constexpr const char* kWarning = "\n\n***Don't try to edit this file***!!!\n\n";
  // Larger files and records are not preferences: the file counts as damaged.
  static constexpr int64_t kMaxFileSize = 1024 * 1024;
  static constexpr int32_t kMaxRecordSize = 64 * 1024;

  // What Load found: a file read whole, no file, or one it could not read (damaged, of
  // another type or version, or not a regular file).
  enum class LoadResult { kRead, kMissing, kDamaged };

  // Stores the record, then tells the listeners of its id.
  void SetData(uint32_t id, const void* data, uint32_t size);
  // Registers a listener for a record id; returns 1.
  int AddListener(uint32_t id, PrefsListener* listener);

  // Reads the file (a path from GetDataPath). A missing or damaged file leaves the store
  // empty and writes a debug line.
  LoadResult Load(const std::string& path);
  // Writes the file through a temporary sibling; false when it could not be written, and
  // the old file then stays as it was.
  bool Save(const std::string& path) const;

private:
  // Reads a regular file that fits into the store; false when it is no preferences file.
  bool ReadRecordFile(const std::string& path);

  std::vector<std::pair<uint32_t, PrefsListener*>> mListeners;
};

// The name of the preferences file in the written-files folder.
constexpr const char* kPrefsFileName = "tarvid.cfg";

// The application's one preferences object, handed over by the application at its
// construction; null before and after.
void SetPrefsFile(PrefsFile* prefs);
PrefsFile* GetPrefsFile();
