#include "shell/CommandLineSwitches.h"

#include <cctype>
#include <sstream>

namespace {

bool IsIntroducer(char character) { return character == '/' || character == '\\' || character == '-'; }

}  // namespace

std::vector<std::string> FindCommandLineSwitches(const std::string& commandLine) {
  std::vector<std::string> switches;
  std::istringstream words(commandLine);
  std::string word;
  while (words >> word) {
    if (word.size() < 2 || !IsIntroducer(word.front())) continue;
    std::string name = word.substr(1);
    for (char& character : name) character = static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
    switches.push_back(name);
  }
  return switches;
}
