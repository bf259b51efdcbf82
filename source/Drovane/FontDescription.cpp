#include "Drovane/FontDescription.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <limits>

namespace {

constexpr const char* kHeader = "Header";
constexpr const char* kDetail = "Detail 1";
constexpr size_t kRectCharsLimit = 4095;
constexpr size_t kImageNameLimit = 255;

// One "%ld" at text[at]: leading white space skipped, an optional sign, then digits. A
// value beyond 32 bits is refused, as no rectangle of an image can reach it.
bool ReadNumber(const std::string& text, size_t& at, int32_t& value) {
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
  const char* start = text.c_str() + at;
  char* end = nullptr;
  errno = 0;
  const long number = std::strtol(start, &end, 10);
  if (end == start || errno == ERANGE || number < std::numeric_limits<int32_t>::min() ||
      number > std::numeric_limits<int32_t>::max()) {
    return false;
  }
  value = static_cast<int32_t>(number);
  at += static_cast<size_t>(end - start);
  return true;
}

bool ReadGroup(const std::string& text, size_t& at, platform::Rect& rect) {
  int32_t* fields[] = {&rect.left, &rect.top, &rect.right, &rect.bottom};
  for (size_t i = 0; i < 4; ++i) {
    if (i > 0) {
      if (at >= text.size() || text[at] != ',') return false;
      ++at;
    }
    if (!ReadNumber(text, at, *fields[i])) return false;
  }
  return true;
}

// To the next space, then past every space that follows it.
void SkipToNextGroup(const std::string& text, size_t& at) {
  while (at < text.size() && text[at] != ' ') ++at;
  while (at < text.size() && text[at] == ' ') ++at;
}

}  // namespace

std::vector<platform::Rect> ParseRectChars(const std::string& text, int32_t count) {
  std::vector<platform::Rect> cells;
  size_t at = 0;
  for (int32_t i = 0; i < count && at < text.size(); ++i) {
    platform::Rect rect;
    if (!ReadGroup(text, at, rect)) break;
    cells.push_back(rect);
    SkipToNextGroup(text, at);
  }
  return cells;
}

FontDescription ReadFontDescription(const platform::ProfileFile& profile) {
  FontDescription description;
  const int32_t missing = FontDescription::kMissingNumber;
  description.pitch = profile.GetInt(kHeader, "Pitch", missing);
  description.height = profile.GetInt(kDetail, "Height", missing);
  description.language = profile.GetInt(kDetail, "Language", missing);
  description.characterSet = profile.GetInt(kDetail, "CharacterSet", missing);
  description.startCharacter = profile.GetInt(kDetail, "StartCharacter", missing);
  description.characterCount = profile.GetInt(kDetail, "CharacterCount", missing);
  const std::string rectChars = profile.GetString(kDetail, "RectChars", "", kRectCharsLimit);
  description.imageFileName = profile.GetString(kDetail, "FontImageFileName", "", kImageNameLimit);
  description.cells = ParseRectChars(rectChars, description.characterCount);
  return description;
}
