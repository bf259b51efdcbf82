#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A profile (INI) file with the rules of the Windows profile calls: sections and keys are
// found ignoring letter case and the first of duplicates wins; lines are trimmed; a line
// whose first character is ';' is a comment; double quotes around a whole value are removed;
// lines end in LF or CR LF when read and in CR LF when written; numbers are read in the
// C locale.
class ProfileFile {
public:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;  // in file order, duplicates included
  };

  // Profile files are small; a larger one is taken as damaged.
  static constexpr size_t kMaxFileSize = 16 * 1024 * 1024;

  // A missing, unreadable or overlarge file reads as an empty one: false then.
  bool Load(const std::string& gamePath);
  void Parse(std::string_view text);
  // Writes the lines through a temporary sibling.
  bool Save(const std::string& gamePath) const;
  std::string Text() const;

  // The value of a key, or null when the section or the key is missing.
  const std::string* Find(const std::string& section, const std::string& key) const;
  // The value cut to maxChars characters, or the fallback (cut the same way).
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& fallback, size_t maxChars) const;
  // The value as a decimal integer: the fallback when the key is missing or empty, 0 when it
  // does not start with a number; values beyond 32 bits are clamped.
  int32_t GetInt(const std::string& section, const std::string& key, int32_t fallback) const;
  // Replaces the value of the first such key, or adds the key (and the section).
  void Set(const std::string& section, const std::string& key, const std::string& value);

  const std::vector<Section>& Sections() const { return mSections; }

private:
  enum class LineKind { kOther, kHeader, kEntry };
  struct Line {
    std::string text;  // as read, without the line end
    LineKind kind = LineKind::kOther;
    std::string name;  // of the section or the key, trimmed
    std::string value;
  };
  static Line ParseLine(std::string text);
  void IndexSections();
  // The line of the first entry of the key in the first section of the name, or the count of
  // lines when there is none.
  size_t FindEntryLine(const std::string& section, const std::string& key) const;
  size_t SectionEnd(size_t header) const;

  std::vector<Line> mLines;
  std::vector<Section> mSections;
  // Lower-case section name to the header line of its first section.
  std::map<std::string, size_t> mFirstHeader;
};

// Reads a decimal integer with an optional sign at the start of a text: 0 when there is no
// digit, clamped to 32 bits.
int32_t ParseProfileInt(std::string_view text);

// Reads a decimal floating-point number at the start of a text, in the C locale whatever the
// language: 0 when there is none; overflow gives an infinity, underflow 0.
double ParseProfileDouble(std::string_view text);

// The Windows profile calls, reading the file anew each time.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& fallback, size_t maxChars,
                                    const std::string& gamePath);
int32_t GetPrivateProfileInt(const std::string& section, const std::string& key,
                             int32_t fallback, const std::string& gamePath);
// Writes nothing and returns false when the file exists but could not be read (too large,
// not a regular file, unreadable).
bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& gamePath);

}  // namespace platform
