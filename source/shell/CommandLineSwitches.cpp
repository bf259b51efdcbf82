#include "shell/CommandLineSwitches.h"

#include <cctype>
#include <sstream>

namespace {

bool IsIntroducer(char character) { return character == '/' || character == '\\' || character == '-'; }

// The switch's name in lower case; empty when the word is no switch.
std::string SwitchName(const std::string& word) {
  if (word.size() < 2 || !IsIntroducer(word.front())) return {};
  std::string name = word.substr(1);
  for (char& character : name) character = static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
  return name;
}

}  // namespace

std::vector<std::string> FindCommandLineSwitches(const std::string& commandLine) {
  std::vector<std::string> switches;
  std::istringstream words(commandLine);
  std::string word;
  while (words >> word) {
    std::string name = SwitchName(word);
    if (!name.empty()) switches.push_back(name);
  }
  return switches;
}

std::string FindCommandLineSwitchWord(const std::string& commandLine, const std::string& name) {
  std::istringstream words(commandLine);
  std::string word;
  while (words >> word) {
    if (SwitchName(word) != name) continue;
    std::string next;
    words >> next;
    return next;
  }
  return {};
}

std::string FindCommandLineSwitchRest(const std::string& commandLine, char letter) {
  std::istringstream words(commandLine);
  std::string word;
  while (words >> word) {
    std::string name = SwitchName(word);
    if (!name.empty() && name[0] == letter) return word.substr(2);
  }
  return {};
}
