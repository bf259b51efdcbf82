#include "platform/ProfileFile.h"

#include <locale.h>

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "platform/FileHandle.h"
#include "platform/WholeFile.h"
#include "platform/FilePath.h"

namespace platform {
namespace {

std::string Trim(std::string_view text) {
  size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string_view::npos) return {};
  size_t end = text.find_last_not_of(" \t");
  return std::string(text.substr(begin, end - begin + 1));
}

std::string Lower(std::string text) {
  for (char& c : text) c = ToLowerAscii(c);
  return text;
}

std::string Unquote(std::string value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

int32_t ParseProfileInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int64_t value = 0;
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = std::min(value * 10 + (text[i] - '0'), kLimit);
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

double ParseProfileDouble(std::string_view text) {
  static locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
  std::string copy(text);
  return strtod_l(copy.c_str(), nullptr, cLocale);
}

ProfileFile::Line ProfileFile::ParseLine(std::string text) {
  Line line;
  std::string trimmed = Trim(text);
  line.text = std::move(text);
  if (trimmed.empty() || trimmed.front() == ';') return line;
  if (trimmed.front() == '[') {
    size_t close = trimmed.find(']');
    line.kind = LineKind::kHeader;
    line.name = Trim(std::string_view(trimmed).substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return line;
  }
  size_t equals = trimmed.find('=');
  if (equals == std::string::npos) return line;
  line.kind = LineKind::kEntry;
  line.name = Trim(std::string_view(trimmed).substr(0, equals));
  line.value = Unquote(Trim(std::string_view(trimmed).substr(equals + 1)));
  return line;
}

void ProfileFile::Parse(std::string_view text) {
  mLines.clear();
  size_t begin = 0;
  while (begin < text.size()) {
    size_t end = text.find('\n', begin);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(begin, end - begin);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    mLines.push_back(ParseLine(std::string(line)));
    begin = end + 1;
  }
  IndexSections();
}

void ProfileFile::IndexSections() {
  mSections.clear();
  mFirstHeader.clear();
  for (size_t i = 0; i < mLines.size(); ++i) {
    const Line& line = mLines[i];
    if (line.kind == LineKind::kHeader) {
      mSections.push_back({line.name, {}});
      mFirstHeader.emplace(Lower(line.name), i);
    } else if (line.kind == LineKind::kEntry && !mSections.empty()) {
      mSections.back().entries.push_back({line.name, line.value});
    }
  }
}

bool ProfileFile::Load(const std::string& gamePath) {
  std::string text;
  bool read = ReadWholeFile(gamePath, text, kMaxFileSize);
  Parse(text);
  return read;
}

std::string ProfileFile::Text() const {
  std::string text;
  for (const Line& line : mLines) text += line.text + "\r\n";
  return text;
}

bool ProfileFile::Save(const std::string& gamePath) const {
  std::string text = Text();
  return SaveWholeFile(gamePath, text.data(), text.size());
}

size_t ProfileFile::SectionEnd(size_t header) const {
  size_t end = header + 1;
  while (end < mLines.size() && mLines[end].kind != LineKind::kHeader) ++end;
  return end;
}

size_t ProfileFile::FindEntryLine(const std::string& section, const std::string& key) const {
  auto found = mFirstHeader.find(Lower(section));
  if (found == mFirstHeader.end()) return mLines.size();
  size_t end = SectionEnd(found->second);
  for (size_t i = found->second + 1; i < end; ++i)
    if (mLines[i].kind == LineKind::kEntry && EqualIgnoringCase(mLines[i].name, key)) return i;
  return mLines.size();
}

const std::string* ProfileFile::Find(const std::string& section, const std::string& key) const {
  size_t line = FindEntryLine(section, key);
  return line < mLines.size() ? &mLines[line].value : nullptr;
}

std::string ProfileFile::GetString(const std::string& section, const std::string& key,
                                   const std::string& fallback, size_t maxChars) const {
  const std::string* value = Find(section, key);
  return (value ? *value : fallback).substr(0, maxChars);
}

int32_t ProfileFile::GetInt(const std::string& section, const std::string& key,
                            int32_t fallback) const {
  const std::string* value = Find(section, key);
  if (!value || value->empty()) return fallback;
  return ParseProfileInt(*value);
}

void ProfileFile::Set(const std::string& section, const std::string& key, const std::string& value) {
  Line entry = ParseLine(key + "=" + value);
  size_t line = FindEntryLine(section, key);
  if (line < mLines.size()) {
    mLines[line] = std::move(entry);
  } else if (auto found = mFirstHeader.find(Lower(section)); found != mFirstHeader.end()) {
    // After the section's last entry, or right after its header.
    size_t insert = found->second + 1;
    for (size_t i = insert; i < SectionEnd(found->second); ++i)
      if (mLines[i].kind == LineKind::kEntry) insert = i + 1;
    mLines.insert(mLines.begin() + static_cast<ptrdiff_t>(insert), std::move(entry));
  } else {
    mLines.push_back(ParseLine("[" + section + "]"));
    mLines.push_back(std::move(entry));
  }
  IndexSections();
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& fallback, size_t maxChars,
                                    const std::string& gamePath) {
  ProfileFile file;
  file.Load(gamePath);
  return file.GetString(section, key, fallback, maxChars);
}

int32_t GetPrivateProfileInt(const std::string& section, const std::string& key,
                             int32_t fallback, const std::string& gamePath) {
  ProfileFile file;
  file.Load(gamePath);
  return file.GetInt(section, key, fallback);
}

bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& gamePath) {
  ProfileFile file;
  // A file that is there but could not be read is the player's still: never replaced.
  if (!file.Load(gamePath) && NameExists(gamePath)) return false;
  file.Set(section, key, value);
  return file.Save(gamePath);
}

}  // namespace platform
