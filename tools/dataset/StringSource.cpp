#include "dataset/StringSource.h"

#include <cctype>
#include <sstream>

#include "platform/Windows1252.h"

namespace {

char Unescape(char code) {
  switch (code) {
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case '\\': return '\\';
    case '"': return '"';
    default: return 0;
  }
}

// The quoted text that starts at position; false with a message when it is malformed.
bool ReadQuoted(const std::string& line, size_t position, std::string& text, std::string& error) {
  if (position >= line.size() || line[position] != '"') return error = "expected a text in double quotes", false;
  text.clear();
  for (size_t i = position + 1; i < line.size(); ++i) {
    if (line[i] == '"') {
      if (line.find_first_not_of(" \t\r", i + 1) == std::string::npos) return true;
      return error = "text after the closing quote", false;
    }
    if (line[i] != '\\') {
      text += line[i];
      continue;
    }
    char character = i + 1 < line.size() ? Unescape(line[i + 1]) : 0;
    if (!character) return error = "unknown escape sequence", false;
    text += character;
    ++i;
  }
  return error = "no closing quote", false;
}

bool ParseLine(const std::string& line, StringTable& table, std::string& error) {
  size_t start = line.find_first_not_of(" \t\r");
  if (start == std::string::npos || line[start] == '#') return true;
  size_t end = start;
  while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
  if (end == start || end - start > 5) return error = "expected a string id", false;
  unsigned long id = std::stoul(line.substr(start, end - start));
  std::string utf8;
  if (!ReadQuoted(line, line.find_first_not_of(" \t", end), utf8, error)) return false;
  std::string text;
  size_t bad = 0;
  if (!platform::Utf8ToWindows1252Exact(utf8, text, bad))
    return error = "a character Windows-1252 does not have at byte " + std::to_string(bad + 1) + " of the text", false;
  if (text.size() > StringTable::kMaxTextLength) return error = "the text is longer than 4095 bytes", false;
  if (id > StringTable::kMaxId) return error = "id " + std::to_string(id) + " is outside the table", false;
  if (table.Has(static_cast<uint32_t>(id))) return error = "id " + std::to_string(id) + " is given twice", false;
  table.Add(static_cast<uint32_t>(id), text);
  return true;
}

}  // namespace

bool ParseStringSource(const std::string& source, StringTable& table, std::string& error) {
  std::istringstream lines(source);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (ParseLine(line, table, error)) continue;
    error = "line " + std::to_string(number) + ": " + error;
    return false;
  }
  return true;
}
