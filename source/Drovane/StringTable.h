#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "Drovane/FourCharCode.h"

// Every text the game shows, by string id: language L's texts sit at ids (L - 1) * 1000 and
// up. On disk the table is a record file with one chunk per string (tag = id, data = the
// text's Windows-1252 bytes, no terminator), kept in the data set's top folder.
class StringTable {
public:
  static constexpr uint32_t kCreator = FourCC("HLVN");
  static constexpr uint32_t kFileType = FourCC("STRS");
  static constexpr uint32_t kTypeVersion = 1;
  static constexpr uint32_t kMaxId = 44999;
  // A text is handed out through a 4096-byte buffer.
  static constexpr size_t kMaxTextLength = 4095;
  static constexpr const char* kFileName = "strings.tbl";

  void Clear() { mTexts.clear(); }
  // Keeps the text (cut to kMaxTextLength). An id past kMaxId or already held is dropped
  // with a debug line; false then.
  bool Add(uint32_t id, const std::string& text);
  // False when the table has no text of that id.
  bool Find(uint32_t id, std::string& text) const;
  bool Has(uint32_t id) const { return mTexts.count(id) != 0; }
  size_t Count() const { return mTexts.size(); }
  const std::map<uint32_t, std::string>& Texts() const { return mTexts; }

  // Replaces the table with a table file's strings, keeping every string it can read from a
  // damaged file. False when the file cannot be opened or is not a string table.
  bool Load(const std::string& path);
  // Writes the table file through a temporary sibling; false when that fails.
  bool Save(const std::string& path) const;

private:
  std::map<uint32_t, std::string> mTexts;
};

// The game's one table, read once at start-up.
extern StringTable gStringTable;

// Find on the game's table; the lookup the error reports use.
bool FindString(uint32_t id, std::string& text);

// The table file of the data set: root A's when it is there, else root B's.
std::string StringTablePath();
